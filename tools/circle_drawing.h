// Draws the trigonometric unit-circle reference picture shown by the circle window.
#pragma once

#include <QImage>

namespace vaneko::tools {

inline constexpr int kCirclePictureWidth = 556;
inline constexpr int kCirclePictureHeight = 569;

// The unit circle, black on white, 556 by 569 pixels: degree ticks and labels inside the circle,
// radian marks and labels and the multiples of pi outside it, the headings "Radians" and
// "Degrees" under curved double arrows, and the four quadrants with the signs of sin, cos, tan,
// cot, sec and csc.
QImage DrawCirclePicture();

}  // namespace vaneko::tools
