// The saver's scene built once per test program on the test context, as the main loop builds it.
#pragma once

#include "render/drawable_sky.h"
#include "render/program.h"
#include "render/scene_state.h"
#include "shell/scene.h"
#include "tests/support/gl_test_context.h"

inline void openTestScene() {
  openTestContext();
  if (!sky) setUpScene();
}
