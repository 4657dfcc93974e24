// The picture of the trigonometric circle window: a JPEG compiled into the program and decoded
// with libjpeg when the window is first shown.
#pragma once

#include <QImage>
#include <cstddef>

// The JPEG stream of the circle picture (556 by 569 pixels), generated from
// assets/circle.jpg at build time.
extern const unsigned char kCirclePicture[];
extern const std::size_t kCirclePicture_size;

namespace vaneko {

// Decodes a JPEG stream held in memory into an RGB image (QImage::Format_RGB888); greyscale
// streams come out as grey RGB. Returns a null image when the stream is empty, is not a JPEG,
// is truncated, or is damaged in a way libjpeg notices (an error or a corrupt-data warning),
// and when the image cannot be allocated. Never ends the program and writes nothing to the
// console.
QImage DecodeJpeg(const unsigned char* data, std::size_t size);

// The circle picture, decoded from the embedded JPEG.
QImage CirclePicture();

}  // namespace vaneko
