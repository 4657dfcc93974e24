// Encodes a picture as a baseline JPEG with libjpeg.
#pragma once

#include <QImage>
#include <vector>

namespace vaneko::tools {

// Returns the JPEG stream of `image`: baseline (sequential, Huffman-coded), 8 bits a sample,
// three components (YCbCr from RGB) without chroma subsampling, at the given quality (1 to 100).
std::vector<unsigned char> EncodeBaselineJpeg(const QImage& image, int quality);

}  // namespace vaneko::tools
