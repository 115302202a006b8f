// Sign and degree-based trigonometry of the framework's helpers.
#pragma once

// 1 for x > 0, -1 for x < 0, else 0 (also for -0.0 and NaN).
float sign(float x);
int sign(int n);

// The full turn is 6.2831853 rather than exactly 2π, so cosDegrees(90) is about 1.8e-9.
double sinDegrees(double degrees);
double cosDegrees(double degrees);
