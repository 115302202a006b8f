// Random numbers for scenes under development, all drawn from the run-time library's rand(),
// whose seed the main loop sets.
#pragma once

#include "render/math.h"

// (rand() mod 10000) / 10000: 0 to 0.9999 in steps of 0.0001.
float random01();
// rand() mod n, 0 to n - 1. An n below 1 counts as 1 (the result is then 0).
float randomBelow(int n);
float randomScaled(float x);
// From a up to just below b.
float randomRange(float a, float b);
// (rand() mod n) + 1, 1 to n. An n below 1 counts as 1 (the result is then 1).
float randomFromOne(int n);
// Zero but on one axis, picked at random, which gets an offset from -amount to just below amount.
GLFWVector3 randomAxisJitter(float amount);
