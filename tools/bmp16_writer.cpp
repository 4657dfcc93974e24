#include "bmp16_writer.h"

#include <QFile>
#include <QList>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace vaneko::tools {
namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kPaletteBytes = 16 * 4;
constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

// Squared distance between two colours, weighting green most as the eye does.
int ColourDistance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int NearestPaletteIndex(QRgb colour, std::span<const int> allowed) {
  int best = 0;
  int best_distance = std::numeric_limits<int>::max();
  for (const int i : allowed) {
    const int distance = ColourDistance(colour, kStandardPalette.at(static_cast<std::size_t>(i)));
    if (distance < best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  return best;
}

void PutLittleEndian16(std::vector<unsigned char>& out, std::uint16_t value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

void PutLittleEndian32(std::vector<unsigned char>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<unsigned char>((value >> shift) & 0xFF));
  }
}

}  // namespace

QImage QuantizeToStandardPalette(const QImage& image, std::span<const int> allowed) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  QImage indexed(source.size(), QImage::Format_Indexed8);
  indexed.setColorTable(QList<QRgb>(kStandardPalette.begin(), kStandardPalette.end()));
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    for (int x = 0; x < source.width(); ++x) {
      out[x] = static_cast<uchar>(NearestPaletteIndex(in[x], allowed));
    }
  }
  return indexed;
}

bool WriteBmp16(const QImage& indexed, const QString& path) {
  const int width = indexed.width();
  const int height = indexed.height();
  const int row_bytes = (width * 4 + 31) / 32 * 4;  // rows are padded to whole 32-bit words
  const auto image_bytes = static_cast<std::uint32_t>(row_bytes * height);
  const std::uint32_t pixel_offset = kFileHeaderBytes + kInfoHeaderBytes + kPaletteBytes;

  std::vector<unsigned char> bytes;
  bytes.reserve(pixel_offset + image_bytes);
  // BITMAPFILEHEADER
  bytes.push_back('B');
  bytes.push_back('M');
  PutLittleEndian32(bytes, pixel_offset + image_bytes);
  PutLittleEndian32(bytes, 0);  // two reserved words
  PutLittleEndian32(bytes, pixel_offset);
  // BITMAPINFOHEADER
  PutLittleEndian32(bytes, kInfoHeaderBytes);
  PutLittleEndian32(bytes, static_cast<std::uint32_t>(width));
  PutLittleEndian32(bytes, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
  PutLittleEndian16(bytes, 1);                                   // planes
  PutLittleEndian16(bytes, 4);                                   // bits per pixel
  PutLittleEndian32(bytes, 0);                                   // BI_RGB, uncompressed
  PutLittleEndian32(bytes, image_bytes);
  PutLittleEndian32(bytes, kPixelsPerMetreAt96Dpi);
  PutLittleEndian32(bytes, kPixelsPerMetreAt96Dpi);
  PutLittleEndian32(bytes, 16);  // colours used
  PutLittleEndian32(bytes, 0);   // all colours important
  // Palette entries are blue, green, red, reserved.
  for (const QRgb colour : kStandardPalette) {
    bytes.push_back(static_cast<unsigned char>(qBlue(colour)));
    bytes.push_back(static_cast<unsigned char>(qGreen(colour)));
    bytes.push_back(static_cast<unsigned char>(qRed(colour)));
    bytes.push_back(0);
  }
  // Pixels, last row first, two pixels a byte with the left one in the high nibble.
  for (int y = height - 1; y >= 0; --y) {
    const uchar* in = indexed.constScanLine(y);
    std::vector<unsigned char> row(static_cast<std::size_t>(row_bytes), 0);
    for (int x = 0; x < width; ++x) {
      const unsigned char index = in[x] & 0x0F;
      row[static_cast<std::size_t>(x / 2)] |= (x % 2 == 0) ? index << 4 : index;
    }
    bytes.insert(bytes.end(), row.begin(), row.end());
  }

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const auto written =
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  return written == static_cast<qint64>(bytes.size()) && file.flush();
}

}  // namespace vaneko::tools
