// The saver's fixed scene: built once before the first frame, drawn once per frame.
#pragma once

class GLFWFrameTimer;
class GLFWProgramManager;
class GLFWEnvironment;
class GLFWCamera;
class GLFWDrawableSky;

extern GLFWFrameTimer* frameTimer;
extern GLFWProgramManager* programManager;
extern GLFWEnvironment* environment;
extern GLFWCamera* camera;
extern GLFWDrawableSky* sky;

void setUpScene();
void renderFrame();
