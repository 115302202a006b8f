// The scene's shared state objects: camera, environment and frame timer.
#pragma once

#include "render/camera.h"
#include "render/environment.h"
#include "render/frame_timer.h"
