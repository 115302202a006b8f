// Colours packed into the 32 bits of a float, red in the highest byte, alpha in the lowest, for
// vertex arrays that carry a colour in one float slot.
#pragma once

// x × 255 truncated towards zero. NaN gives 0; values beyond the int range saturate.
int toByte(float x);

// The low bytes of b3, b2, b1, b0 as the bit pattern b3·2²⁴ + b2·2¹⁶ + b1·2⁸ + b0 of a float.
float packBytes(int b3, int b2, int b1, int b0);

// Components above 1 wrap, since only the low byte of each toByte result is kept.
float packColor(float r, float g, float b, float a);
