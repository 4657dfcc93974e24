#include "icon_drawing.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <cmath>
#include <numbers>

namespace vaneko::tools {
namespace {

// ---- Gear wheel -----------------------------------------------------------------------------

constexpr QPointF kCentre(16.0, 16.0);
constexpr int kGearTeeth = 8;
constexpr double kGearTipRadius = 15.0;
constexpr double kGearRootRadius = 11.2;
constexpr double kGearTipHalfDegrees = 8.0;    // half the angular width of a tooth's top
constexpr double kGearRootHalfDegrees = 13.0;  // half the angular width of a tooth's foot
constexpr double kGearHubRadius = 6.8;
constexpr double kGearHoleRadius = 3.4;

// ---- About picture --------------------------------------------------------------------------

constexpr double kSphereRadius = 7.0;
constexpr double kOrbitHalfLength = 14.6;
constexpr double kOrbitHalfWidth = 5.6;
constexpr double kOrbitTiltDegrees = 35.0;

// Colours of the standard 16-colour palette, so that the 4-bit copy keeps them exactly.
QColor PaletteColour(PaletteIndex index) {
  return QColor::fromRgb(kStandardPalette.at(static_cast<std::size_t>(index)));
}

QPointF Polar(double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return kCentre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

QImage TransparentCanvas(int size = kIconSize) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QPainterPath GearOutline() {
  QPainterPath outline;
  for (int tooth = 0; tooth < kGearTeeth; ++tooth) {
    const double middle = 90.0 + tooth * 360.0 / kGearTeeth;
    const QPointF foot_start = Polar(kGearRootRadius, middle - kGearRootHalfDegrees);
    if (tooth == 0) {
      outline.moveTo(foot_start);
    } else {
      outline.lineTo(foot_start);
    }
    outline.lineTo(Polar(kGearTipRadius, middle - kGearTipHalfDegrees));
    outline.lineTo(Polar(kGearTipRadius, middle + kGearTipHalfDegrees));
    outline.lineTo(Polar(kGearRootRadius, middle + kGearRootHalfDegrees));
  }
  outline.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(kCentre, kGearHoleRadius, kGearHoleRadius);
  return outline.subtracted(hole);
}

}  // namespace

QImage DrawGearIcon(Edges edges, int size) {
  QImage image = TransparentCanvas(size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, edges == Edges::kSmooth);
  painter.scale(static_cast<double>(size) / kIconSize, static_cast<double>(size) / kIconSize);

  const QPainterPath gear = GearOutline();
  painter.setPen(
      QPen(PaletteColour(kPaletteBlack), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(PaletteColour(kPaletteSilver));
  painter.drawPath(gear);
  // The hub: a grey ring around the axle hole.
  painter.setPen(QPen(PaletteColour(kPaletteGrey), 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(kCentre, kGearHubRadius, kGearHubRadius);
  painter.setPen(QPen(PaletteColour(kPaletteBlack), 1.0));
  painter.drawEllipse(kCentre, kGearHoleRadius, kGearHoleRadius);
  painter.end();
  return image;
}

QString GearIconSvg() {
  const auto colour = [](PaletteIndex index) { return PaletteColour(index).name(); };
  const auto point = [](QPointF p) {
    return QString::number(p.x(), 'f', 3) + QLatin1Char(',') + QString::number(p.y(), 'f', 3);
  };
  QString outline;
  for (int tooth = 0; tooth < kGearTeeth; ++tooth) {
    const double middle = 90.0 + tooth * 360.0 / kGearTeeth;
    outline += (tooth == 0 ? QStringLiteral("M") : QStringLiteral(" L")) +
               point(Polar(kGearRootRadius, middle - kGearRootHalfDegrees)) + QStringLiteral(" L") +
               point(Polar(kGearTipRadius, middle - kGearTipHalfDegrees)) + QStringLiteral(" L") +
               point(Polar(kGearTipRadius, middle + kGearTipHalfDegrees)) + QStringLiteral(" L") +
               point(Polar(kGearRootRadius, middle + kGearRootHalfDegrees));
  }
  // The axle hole cut out of the wheel: a circle drawn as two arcs, even-odd filled.
  const QString r = QString::number(kGearHoleRadius, 'f', 3);
  outline += QStringLiteral(" Z M") + point(kCentre - QPointF(kGearHoleRadius, 0)) +
             QStringLiteral(" A") + r + QLatin1Char(',') + r + QStringLiteral(" 0 1,0 ") +
             point(kCentre + QPointF(kGearHoleRadius, 0)) + QStringLiteral(" A") + r +
             QLatin1Char(',') + r + QStringLiteral(" 0 1,0 ") +
             point(kCentre - QPointF(kGearHoleRadius, 0)) + QStringLiteral(" Z");
  return QStringLiteral(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
             "viewBox=\"0 0 %1 %1\">\n"
             "  <path d=\"%2\" fill=\"%3\" fill-rule=\"evenodd\" stroke=\"%4\" "
             "stroke-width=\"1\" stroke-linejoin=\"round\"/>\n"
             "  <circle cx=\"16\" cy=\"16\" r=\"%5\" fill=\"none\" stroke=\"%6\" "
             "stroke-width=\"1.6\"/>\n"
             "</svg>\n")
      .arg(kIconSize)
      .arg(outline, colour(kPaletteSilver), colour(kPaletteBlack),
           QString::number(kGearHubRadius, 'f', 3), colour(kPaletteGrey));
}

QImage DrawAboutPicture(Edges edges) {
  QImage image = TransparentCanvas();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, edges == Edges::kSmooth);

  const QRectF orbit(-kOrbitHalfLength, -kOrbitHalfWidth, 2 * kOrbitHalfLength,
                     2 * kOrbitHalfWidth);
  const QPen orbit_pen(PaletteColour(kPaletteNavy), 1.3);

  // The whole orbits first; the sphere then hides their far halves.
  for (const double tilt : {kOrbitTiltDegrees, -kOrbitTiltDegrees}) {
    painter.save();
    painter.translate(kCentre);
    painter.rotate(tilt);
    painter.setPen(orbit_pen);
    painter.drawEllipse(orbit);
    painter.restore();
  }

  QRadialGradient shading(kCentre + QPointF(-2.4, -2.6), kSphereRadius * 1.6);
  shading.setColorAt(0.0, PaletteColour(kPaletteSilver));
  shading.setColorAt(0.24, PaletteColour(kPaletteRed));
  shading.setColorAt(0.62, PaletteColour(kPaletteRed));
  shading.setColorAt(0.72, PaletteColour(kPaletteMaroon));
  shading.setColorAt(1.0, PaletteColour(kPaletteMaroon));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shading);
  painter.drawEllipse(kCentre, kSphereRadius, kSphereRadius);

  // The near halves of the orbits pass in front of the sphere.
  for (const double tilt : {kOrbitTiltDegrees, -kOrbitTiltDegrees}) {
    painter.save();
    painter.translate(kCentre);
    painter.rotate(tilt);
    painter.setPen(orbit_pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(orbit, 180 * 16, 180 * 16);
    painter.restore();
  }
  painter.end();
  return image;
}

}  // namespace vaneko::tools
