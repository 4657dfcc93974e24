// Writes the pictures of assets/: circle.jpg (the circle window's picture), gear.bmp (the window
// icon), about.bmp (the about picture), gear.png, and the desktop's icons in icons/ (PNG in the
// hicolor sizes from 16 to 256 pixels, and SVG).
//
//   QT_QPA_PLATFORM=offscreen make_pictures OUTPUT_DIRECTORY
//
// The output is the same on every run with the same Qt, libjpeg and Liberation fonts.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTextStream>
#include <array>
#include <span>
#include <vector>

#include "bmp16_writer.h"
#include "circle_drawing.h"
#include "icon_drawing.h"
#include "jpeg_writer.h"

namespace {

// Chosen so that the line art stays crisp and the file stays near 80 KB.
constexpr int kCircleJpegQuality = 95;

constexpr std::array<const char*, 3> kRequiredFonts = {"Liberation Sans", "Liberation Sans Narrow",
                                                       "Liberation Serif"};

QTextStream& Err() {
  static QTextStream stream(stderr);
  return stream;
}

bool RequiredFontsPresent() {
  bool present = true;
  for (const char* family : kRequiredFonts) {
    const QString wanted = QString::fromLatin1(family);
    const QFontInfo info{QFont(wanted)};
    if (info.family() != wanted) {
      Err() << "make_pictures: font \"" << wanted << "\" not found (got \"" << info.family()
            << "\"); install fonts-liberation\n";
      present = false;
    }
  }
  return present;
}

// The 16-colour copy of a picture drawn on a transparent ground: the ground becomes white,
// which the pictures use nowhere else, so a viewer can key it out as transparent.
QImage SixteenColourCopy(const QImage& picture, std::span<const int> colours) {
  QImage flat(picture.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, picture);
  painter.end();
  return vaneko::tools::QuantizeToStandardPalette(flat, colours);
}

bool WriteBytes(const QString& path, const std::vector<unsigned char>& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const auto size = static_cast<qint64>(bytes.size());
  return file.write(reinterpret_cast<const char*>(bytes.data()), size) == size && file.flush();
}

bool Report(bool ok, const QString& path) {
  if (ok) {
    Err() << "wrote " << path << " (" << QFile(path).size() << " bytes)\n";
  } else {
    Err() << "make_pictures: cannot write " << path << "\n";
  }
  Err().flush();
  return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    Err() << "usage: make_pictures OUTPUT_DIRECTORY\n";
    return 2;
  }
  const QDir output(arguments.at(1));
  if (!output.exists()) {
    Err() << "make_pictures: no directory " << arguments.at(1) << "\n";
    return 2;
  }
  if (!RequiredFontsPresent()) return 1;

  using namespace vaneko::tools;
  bool ok = true;

  const QString circle_path = output.filePath(QStringLiteral("circle.jpg"));
  ok &= Report(WriteBytes(circle_path, EncodeBaselineJpeg(DrawCirclePicture(), kCircleJpegQuality)),
               circle_path);

  const QString gear_bmp_path = output.filePath(QStringLiteral("gear.bmp"));
  ok &=
      Report(WriteBmp16(SixteenColourCopy(DrawGearIcon(Edges::kHard), kGearColours), gear_bmp_path),
             gear_bmp_path);
  const QString gear_png_path = output.filePath(QStringLiteral("gear.png"));
  ok &= Report(DrawGearIcon(Edges::kSmooth).save(gear_png_path, "PNG"), gear_png_path);

  // The desktop's icons: the hicolor sizes and the scalable one.
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    const QString folder = QStringLiteral("icons/%1x%1").arg(size);
    output.mkpath(folder);
    const QString path = output.filePath(folder + QStringLiteral("/vaneko.png"));
    ok &= Report(DrawGearIcon(Edges::kSmooth, size).save(path, "PNG"), path);
  }
  output.mkpath(QStringLiteral("icons/scalable"));
  const QString svg_path = output.filePath(QStringLiteral("icons/scalable/vaneko.svg"));
  QFile svg(svg_path);
  ok &= Report(svg.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   svg.write(GearIconSvg().toUtf8()) > 0 && svg.flush(),
               svg_path);

  const QString about_path = output.filePath(QStringLiteral("about.bmp"));
  ok &= Report(
      WriteBmp16(SixteenColourCopy(DrawAboutPicture(Edges::kHard), kAboutColours), about_path),
      about_path);

  return ok ? 0 : 1;
}
