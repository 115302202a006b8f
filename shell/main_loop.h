// The saver's frame loop: one scene, then frames until a stop condition.
#pragma once

#include <cstdint>

// 0 until the first frame has done its one-time work.
extern std::int32_t firstFrameDone;

void runMainLoop();
void updateFrame();
void shutdownScene();
