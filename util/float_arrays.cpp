#include "util/float_arrays.h"

void copy2(float* destination, const float* source, int d, int s) {
  for (int k = 0; k < 2; ++k) destination[d + k] = source[s + k];
}

void copy3(float* destination, const float* source, int d, int s) {
  for (int k = 0; k < 3; ++k) destination[d + k] = source[s + k];
}

void copy3FromVector(float* destination, GLFWVector3 vector, int d, int s) {
  for (int k = 0; k < 3; ++k) destination[d + k] = vector[s + k];
}

void copy3Offset(float* destination, const float* source, int d, int s, float ox, float oy, float oz) {
  const float offset[3] = {ox, oy, oz};
  for (int k = 0; k < 3; ++k) destination[d + k] = source[s + k] + offset[k];
}

float* set3(float* array, int i, float x, float y, float z) {
  array[i] = x;
  array[i + 1] = y;
  array[i + 2] = z;
  return array;
}

float* add3(float* array, int i, float x, float y, float z) {
  array[i] += x;
  array[i + 1] += y;
  array[i + 2] += z;
  return array;
}

void set4(float* array, int i, float x, float y, float z, float w) {
  set3(array, i, x, y, z);
  array[i + 3] = w;
}
