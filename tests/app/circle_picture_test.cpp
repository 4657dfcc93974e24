// The circle window's picture: the embedded JPEG and the libjpeg decoder.

#include "app/circle_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QObject>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

constexpr int kPictureWidth = 556;
constexpr int kPictureHeight = 569;

// The start-of-frame header of a JPEG stream, read by walking its marker segments.
struct FrameHeader {
  int marker;  // 0xC0 baseline, 0xC1 extended sequential, 0xC2 progressive, ...
  int precision;
  int height;
  int width;
  int components;
};

std::optional<FrameHeader> ReadFrameHeader(const unsigned char* data, std::size_t size) {
  if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) return std::nullopt;
  std::size_t at = 2;
  while (at + 4 <= size && data[at] == 0xFF) {
    const int marker = data[at + 1];
    const std::size_t length = static_cast<std::size_t>(data[at + 2] << 8 | data[at + 3]);
    const bool start_of_frame =
        marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (start_of_frame && at + 10 <= size) {
      return FrameHeader{marker, data[at + 4], data[at + 5] << 8 | data[at + 6],
                         data[at + 7] << 8 | data[at + 8], data[at + 9]};
    }
    if (marker == 0xDA) return std::nullopt;  // scan data before any frame header
    at += 2 + length;
  }
  return std::nullopt;
}

QByteArray EmbeddedStream() {
  return QByteArray(reinterpret_cast<const char*>(kCirclePicture),
                    static_cast<qsizetype>(kCirclePicture_size));
}

QImage Decode(const QByteArray& bytes) {
  return vaneko::DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size()));
}

// A JPEG written by Qt's own JPEG plugin, which is independent of the decoder under test.
QByteArray EncodeWithQt(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(100);
  if (!writer.write(image)) return {};
  return bytes;
}

int ChannelDistance(QColor a, QColor b) {
  return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                   std::abs(a.blue() - b.blue())});
}

}  // namespace

class CirclePictureTest : public QObject {
  Q_OBJECT

 private slots:
  void embeddedStreamIsTheAssetFile() {
    QFile asset(QStringLiteral(VANEKO_CIRCLE_JPEG_PATH));
    QVERIFY(asset.open(QIODevice::ReadOnly));
    QCOMPARE(EmbeddedStream(), asset.readAll());
    QCOMPARE(kCirclePicture[kCirclePicture_size], static_cast<unsigned char>(0));
  }

  void embeddedStreamIsBaselineEightBitThreeComponents() {
    const auto frame = ReadFrameHeader(kCirclePicture, kCirclePicture_size);
    QVERIFY(frame.has_value());
    QCOMPARE(frame->marker, 0xC0);
    QCOMPARE(frame->precision, 8);
    QCOMPARE(frame->width, kPictureWidth);
    QCOMPARE(frame->height, kPictureHeight);
    QCOMPARE(frame->components, 3);
    // The stream ends with its end-of-image marker.
    QVERIFY(kCirclePicture_size > 4);
    QCOMPARE(kCirclePicture[kCirclePicture_size - 2], static_cast<unsigned char>(0xFF));
    QCOMPARE(kCirclePicture[kCirclePicture_size - 1], static_cast<unsigned char>(0xD9));
  }

  void circlePictureDecodesToItsSize() {
    const QImage picture = vaneko::CirclePicture();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(kPictureWidth, kPictureHeight));
    QCOMPARE(picture.format(), QImage::Format_RGB888);
  }

  void circlePictureIsBlackInkOnWhite() {
    const QImage picture = vaneko::CirclePicture();
    QVERIFY(!picture.isNull());
    const int half_width = picture.width() / 2;
    const int half_height = picture.height() / 2;
    qint64 white = 0;
    qint64 ink = 0;
    int coloured = 0;
    int ink_at_edge = 0;
    int ink_by_quarter[2][2] = {{0, 0}, {0, 0}};
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QColor colour = picture.pixelColor(x, y);
        const int lightest = std::max({colour.red(), colour.green(), colour.blue()});
        const int darkest = std::min({colour.red(), colour.green(), colour.blue()});
        if (lightest - darkest > 32) ++coloured;
        if (darkest >= 224) ++white;
        if (lightest <= 96) {
          ++ink;
          ++ink_by_quarter[y < half_height][x < half_width];
          const bool at_edge =
              x < 3 || y < 3 || x >= picture.width() - 3 || y >= picture.height() - 3;
          if (at_edge) ++ink_at_edge;
        }
      }
    }
    const double pixels = static_cast<double>(picture.width()) * picture.height();
    QVERIFY2(white / pixels > 0.75, "the ground is white");
    QVERIFY2(ink / pixels > 0.02, "there is black ink");
    QVERIFY2(ink / pixels < 0.25, "the ink does not cover the picture");
    QCOMPARE(coloured, 0);     // black on white: no colour
    QCOMPARE(ink_at_edge, 0);  // nothing is cut off at the border
    for (const auto& row : ink_by_quarter) {
      for (const int quarter_ink : row) QVERIFY(quarter_ink > 1000);
    }
  }

  void damagedStreamGivesNullImage_data() {
    QTest::addColumn<QByteArray>("stream");
    const QByteArray whole = EmbeddedStream();
    const qsizetype scan_start = whole.indexOf(QByteArray("\xFF\xDA", 2));
    QVERIFY(scan_start > 0);

    QByteArray zero_width = whole;
    const qsizetype frame = zero_width.indexOf(QByteArray("\xFF\xC0", 2));
    QVERIFY(frame > 0);
    zero_width[frame + 7] = 0;
    zero_width[frame + 8] = 0;

    QByteArray lost_start = whole;
    lost_start[1] = 0x00;  // the start-of-image marker is gone

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("start-of-image only") << whole.left(2);
    QTest::newRow("headers without scan data") << whole.left(scan_start);
    QTest::newRow("cut in the middle of the scan") << whole.left(whole.size() / 2);
    QTest::newRow("cut before the last rows") << whole.left(whole.size() - 400);
    QTest::newRow("end-of-image marker missing") << whole.left(whole.size() - 2);
    QTest::newRow("start-of-image marker damaged") << lost_start;
    QTest::newRow("frame of width zero") << zero_width;
    QTest::newRow("not a JPEG") << QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    QTest::newRow("text") << QByteArray("0,5 is not a picture");
  }

  void damagedStreamGivesNullImage() {
    QFETCH(QByteArray, stream);
    QVERIFY(Decode(stream).isNull());
  }

  void nullPointerGivesNullImage() {
    QVERIFY(vaneko::DecodeJpeg(nullptr, 0).isNull());
    QVERIFY(vaneko::DecodeJpeg(nullptr, 100).isNull());
  }

  void decodesColoursInPlaceWithOddWidth() {
    // Four flat quarters; 37 pixels make 111 bytes a row, so rows carry padding.
    const QColor quarters[2][2] = {{Qt::red, Qt::green}, {Qt::blue, Qt::yellow}};
    QImage source(37, 21, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
      for (int x = 0; x < source.width(); ++x) {
        source.setPixelColor(x, y, quarters[y >= 10][x >= 18]);
      }
    }
    const QByteArray stream = EncodeWithQt(source);
    if (stream.isEmpty()) QSKIP("Qt's JPEG writer is not available");

    const QImage decoded = Decode(stream);
    QVERIFY(!decoded.isNull());
    QCOMPARE(decoded.size(), source.size());
    const QPoint middles[2][2] = {{{8, 4}, {28, 4}}, {{8, 16}, {28, 16}}};
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < 2; ++column) {
        const QPoint at = middles[row][column];
        QVERIFY2(ChannelDistance(decoded.pixelColor(at), quarters[row][column]) <= 24,
                 qPrintable(QStringLiteral("quarter %1,%2 is %3")
                                .arg(row)
                                .arg(column)
                                .arg(decoded.pixelColor(at).name())));
      }
    }
  }

  void greyStreamDecodesAsGreyRgb() {
    QImage source(40, 8, QImage::Format_Grayscale8);
    for (int y = 0; y < source.height(); ++y) {
      for (int x = 0; x < source.width(); ++x) source.scanLine(y)[x] = x < 20 ? 40 : 200;
    }
    const QByteArray stream = EncodeWithQt(source);
    if (stream.isEmpty()) QSKIP("Qt's JPEG writer is not available");
    const auto frame = ReadFrameHeader(reinterpret_cast<const unsigned char*>(stream.constData()),
                                       static_cast<std::size_t>(stream.size()));
    QVERIFY(frame.has_value());
    QCOMPARE(frame->components, 1);

    const QImage decoded = Decode(stream);
    QVERIFY(!decoded.isNull());
    QCOMPARE(decoded.format(), QImage::Format_RGB888);
    for (const auto& [x, expected] : {std::pair{5, 40}, std::pair{34, 200}}) {
      const QColor colour = decoded.pixelColor(x, 4);
      QCOMPARE(colour.red(), colour.green());
      QCOMPARE(colour.green(), colour.blue());
      QVERIFY(std::abs(colour.red() - expected) <= 8);
    }
  }
};

QTEST_MAIN(CirclePictureTest)
#include "circle_picture_test.moc"
