// The saver window's 64 x 64 icon: a light-blue monitor on a stand whose screen shows four
// coloured quadrants. The pixels are constant data stored column by column (red, green, blue,
// alpha per pixel, non-premultiplied, transparent outside the picture).
#pragma once

#include <array>
#include <cstdint>

constexpr int windowIconSize = 64;
constexpr int windowIconBytes = windowIconSize * windowIconSize * 4;  // 16384

extern const std::array<std::uint8_t, windowIconBytes> windowIconColumns;

// Turns the column-by-column source into rows from the top, as GLFW's image wants them:
// destination pixel r * 64 + c is source pixel c * 64 + r.
void windowIconRowsFromColumns(const std::uint8_t* columns, std::uint8_t* rows);
