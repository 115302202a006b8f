#include "shell/scene.h"

#include "render/drawable_sky.h"
#include "render/gl.h"
#include "render/math.h"
#include "render/program.h"
#include "render/scene_state.h"
#include "shell/application.h"

GLFWFrameTimer* frameTimer = nullptr;
GLFWProgramManager* programManager = nullptr;
GLFWEnvironment* environment = nullptr;
GLFWCamera* camera = nullptr;
GLFWDrawableSky* sky = nullptr;

void setUpScene() {
  frameTimer = new GLFWFrameTimer();
  programManager = new GLFWProgramManager();
  environment = new GLFWEnvironment(0.0f);
  camera = new GLFWCamera(0.0f, 0.0f, 100.0f);
  camera->pitch(1.0f);
  // The view never changes after this: frames only select slot 0 again.
  camera->updateView(0);
  // Registered before the sky is set up, which asks the program for attribute locations.
  programManager->addProgram("BackgroundProgram", 137, 136);
  sky = new GLFWDrawableSky(environment, camera, programManager, "BackgroundProgram", 141, 140, 1.0f);
  sky->setup();
}

void renderFrame() {
  frameTimer->begin();
  camera->setProjection(perspective(50.0f, windowAspect, 0.1f, 1000.0f));
  environment->setViewport(static_cast<float>(windowWidth), static_cast<float>(windowHeight));
  environment->setLightPosition(GLFWVector3(50.0f, 80.0f, 80.0f));
  camera->selectView(0);
  sky->setModelMatrix(translation(0.0f, 0.0f, -100.0f));
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(0, 0, windowWidth, windowHeight);
  // The quad covers the viewport with alpha 1, so nothing needs clearing.
  sky->draw();
  frameTimer->end();
}
