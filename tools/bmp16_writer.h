// Writes a picture as an uncompressed 4-bit Windows bitmap with the standard 16-colour palette.
#pragma once

#include <QImage>
#include <QString>
#include <span>

#include "standard_palette.h"

namespace vaneko::tools {

// Maps every pixel of `image` (opaque) to the nearest of the standard palette's colours whose
// index is in `allowed`, and returns the result as an indexed image carrying the whole palette.
// Limiting the choice to the colours a picture is drawn with keeps its antialiased edges from
// turning into unrelated colours (navy over red must not become purple).
QImage QuantizeToStandardPalette(const QImage& image, std::span<const int> allowed);

// Writes an indexed image whose colour table is the standard palette as a 4-bit BMP file
// (BITMAPINFOHEADER, bottom-up rows, no compression). Returns false when the file cannot be
// written.
bool WriteBmp16(const QImage& indexed, const QString& path);

}  // namespace vaneko::tools
