// The sixteen console colours by name. A cell's attribute is its foreground
// in the low four bits and its background in the high four.
#pragma once

namespace blockslide::color {

inline constexpr int kBlack = 0;
inline constexpr int kBlue = 1;
inline constexpr int kGreen = 2;
inline constexpr int kCyan = 3;
inline constexpr int kRed = 4;
inline constexpr int kMagenta = 5;
inline constexpr int kBrown = 6;
inline constexpr int kLightGray = 7;
inline constexpr int kDarkGray = 8;
inline constexpr int kLightBlue = 9;
inline constexpr int kLightGreen = 10;
inline constexpr int kLightCyan = 11;
inline constexpr int kLightRed = 12;
inline constexpr int kLightMagenta = 13;
inline constexpr int kYellow = 14;
inline constexpr int kWhite = 15;

}  // namespace blockslide::color
