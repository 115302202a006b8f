// The saver's own application object for tests of its GL diagnostics: constructed once per process
// exactly as a full-screen run does (GLFW, window, context, loaded commands).
#pragma once

#include "shell/application.h"

GLFWApplication& testApplication();
