// Small copies and writes inside float arrays such as interleaved vertex records. Indices count
// floats; callers keep them inside their arrays.
#pragma once

#include "render/math.h"

// destination[d + k] = source[s + k] for k = 0, 1.
void copy2(float* destination, const float* source, int d, int s);
// The same for k = 0, 1, 2.
void copy3(float* destination, const float* source, int d, int s);
// destination[d + k] = vector[s + k] for k = 0, 1, 2.
void copy3FromVector(float* destination, GLFWVector3 vector, int d, int s);
// destination[d + k] = source[s + k] + (ox, oy, oz)[k].
void copy3Offset(float* destination, const float* source, int d, int s, float ox, float oy, float oz);
float* set3(float* array, int i, float x, float y, float z);
float* add3(float* array, int i, float x, float y, float z);
void set4(float* array, int i, float x, float y, float z, float w);
