#include "circle_drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <array>
#include <cmath>
#include <numbers>

namespace vaneko::tools {
namespace {

// ---- Geometry -------------------------------------------------------------------------------

constexpr double kCentreX = 278.5;
constexpr double kCentreY = 299.5;
constexpr double kRadius = 209.0;

// Degree ticks point inwards from the circle; the labels stand inside them.
constexpr double kDegreeTickUnit = 4.0;  // every degree
constexpr double kDegreeTickFive = 7.0;  // every 5 degrees
constexpr double kDegreeTickTen = 11.0;  // every 10 degrees
constexpr double kDegreeLabelGap = 14.0;

// Radian marks point outwards; their labels run along the radius beyond them.
constexpr double kRadianTickTenth = 8.0;      // every 0.1
constexpr double kRadianTickHalfTenth = 4.0;  // every 0.05
constexpr double kRadianLabelStart = 11.0;    // from the circle
constexpr double kPiLabelGap = 30.0;          // from the circle to the pi labels
constexpr double kPiMarkerRadius = 2.6;       // dots on the circle at the pi multiples
constexpr double kRadiansArrowRadius = kRadius + 68.0;
constexpr double kRadiansHeadingRadius = kRadius + 53.0;
constexpr double kDegreesArrowRadius = kRadius - 44.0;
constexpr double kDegreesHeadingRadius = kRadius - 62.0;
constexpr double kQuadrantBlockRadius = 0.54 * kRadius;

// ---- Fonts ----------------------------------------------------------------------------------

constexpr const char* kSans = "Liberation Sans";
constexpr const char* kSansNarrow = "Liberation Sans Narrow";
constexpr const char* kSerif = "Liberation Serif";

// ---- Texts ----------------------------------------------------------------------------------

// The multiples of pi marked outside the circle, at their angles in degrees.
struct PiMultiple {
  int degrees;
  const char16_t* label;
};
constexpr std::array<PiMultiple, 16> kPiMultiples = {{
    {30, u"\u03C0/6"},
    {45, u"\u03C0/4"},
    {60, u"\u03C0/3"},
    {90, u"\u03C0/2"},
    {120, u"2\u03C0/3"},
    {135, u"3\u03C0/4"},
    {150, u"5\u03C0/6"},
    {180, u"\u03C0"},
    {210, u"7\u03C0/6"},
    {225, u"5\u03C0/4"},
    {240, u"4\u03C0/3"},
    {270, u"3\u03C0/2"},
    {300, u"5\u03C0/3"},
    {315, u"7\u03C0/4"},
    {330, u"11\u03C0/6"},
    {360, u"2\u03C0"},
}};

// The signs of the six functions in each quadrant, laid out as three rows of a function and
// its reciprocal (sin and csc, cos and sec, tan and cot), which always share their sign.
struct QuadrantSigns {
  const char* numeral;
  int centre_degrees;  // direction of the quadrant's middle
  bool sin_positive;
  bool cos_positive;
  bool tan_positive;
};
constexpr std::array<QuadrantSigns, 4> kQuadrants = {{
    {"I", 45, true, true, true},
    {"II", 135, true, false, false},
    {"III", 225, false, false, true},
    {"IV", 315, false, true, false},
}};
struct SignRow {
  const char* function;
  const char* reciprocal;
};
constexpr std::array<SignRow, 3> kSignRows = {{{"sin", "csc"}, {"cos", "sec"}, {"tan", "cot"}}};

// ---- Drawing helpers ------------------------------------------------------------------------

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

// The point at `radius` from the centre in the direction `degrees`, counted counter-clockwise
// from the right.
QPointF Polar(double radius, double degrees) {
  const double a = Radians(degrees);
  return {kCentreX + radius * std::cos(a), kCentreY - radius * std::sin(a)};
}

QFont MakeFont(const char* family, int pixels, QFont::Weight weight = QFont::Normal,
               bool italic = false) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setWeight(weight);
  font.setItalic(italic);
  font.setStyleStrategy(QFont::PreferAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// The box a text occupies when centred on `centre`: the advance for the width and the height
// of a capital for the height, so that digits and capitals sit visually centred.
QRectF CentredTextBox(const QFontMetricsF& metrics, const QString& text, QPointF centre) {
  const double width = metrics.horizontalAdvance(text);
  const double height = metrics.capHeight();
  return {centre.x() - width / 2, centre.y() - height / 2, width, height};
}

// Draws `text` centred on `centre`; with `knockout` the ground behind it is cleared first, so
// that lines under the text are interrupted around it.
void DrawCentredText(QPainter& painter, const QString& text, QPointF centre,
                     bool knockout = false) {
  const QFontMetricsF metrics(painter.font());
  const QRectF box = CentredTextBox(metrics, text, centre);
  if (knockout) painter.fillRect(box.adjusted(-2, -2, 2, 2), Qt::white);
  painter.drawText(QPointF(box.left(), box.bottom()), text);
}

// The centre of a text box of the given size placed beyond (`outwards`) or within the circle of
// radius `edge`, touching it in the direction `degrees`.
QPointF LabelCentre(double edge, double degrees, QSizeF size, bool outwards) {
  const double a = Radians(degrees);
  const double reach =
      std::abs(std::cos(a)) * size.width() / 2 + std::abs(std::sin(a)) * size.height() / 2;
  return Polar(outwards ? edge + reach : edge - reach, degrees);
}

void DrawRadialLine(QPainter& painter, double degrees, double from_radius, double to_radius) {
  painter.drawLine(Polar(from_radius, degrees), Polar(to_radius, degrees));
}

// A filled arrowhead whose tip is at `tip`, pointing along the unit vector `direction`.
void DrawArrowhead(QPainter& painter, QPointF tip, QPointF direction) {
  constexpr double kLength = 9.0;
  constexpr double kHalfWidth = 3.8;
  const QPointF normal(-direction.y(), direction.x());
  const QPointF base = tip - direction * kLength;
  painter.save();
  painter.setBrush(Qt::black);
  painter.drawPolygon(QPolygonF({tip, base + normal * kHalfWidth, base - normal * kHalfWidth}));
  painter.restore();
}

// An arc of the given radius around the centre from `from_degrees` to `to_degrees`
// (counter-clockwise) with an arrowhead at each end.
void DrawCurvedDoubleArrow(QPainter& painter, double radius, double from_degrees,
                           double to_degrees) {
  // Leave room for the heads so that their tips end where the arc would.
  const double head_degrees = 6.0 / radius * 180.0 / std::numbers::pi;
  const double arc_from = from_degrees + head_degrees;
  const double arc_to = to_degrees - head_degrees;
  const QRectF square(kCentreX - radius, kCentreY - radius, 2 * radius, 2 * radius);
  painter.drawArc(square, static_cast<int>(std::lround(arc_from * 16)),
                  static_cast<int>(std::lround((arc_to - arc_from) * 16)));
  // Counter-clockwise tangent at angle a, in screen coordinates: (-sin a, -cos a).
  const auto tangent = [](double degrees) {
    const double a = Radians(degrees);
    return QPointF(-std::sin(a), -std::cos(a));
  };
  DrawArrowhead(painter, Polar(radius, to_degrees), tangent(to_degrees));
  DrawArrowhead(painter, Polar(radius, from_degrees), -tangent(from_degrees));
}

// ---- The parts of the picture ---------------------------------------------------------------

void DrawCircleAndAxes(QPainter& painter) {
  painter.setPen(QPen(Qt::black, 1.6));
  painter.drawEllipse(QPointF(kCentreX, kCentreY), kRadius, kRadius);
  painter.setPen(QPen(Qt::black, 1.0));
  painter.drawLine(Polar(kRadius, 180), Polar(kRadius, 0));
  painter.drawLine(Polar(kRadius, 90), Polar(kRadius, 270));
}

void DrawDegreeScale(QPainter& painter) {
  for (int degrees = 0; degrees < 360; ++degrees) {
    const bool ten = degrees % 10 == 0;
    const bool five = degrees % 5 == 0;
    painter.setPen(QPen(Qt::black, ten ? 1.2 : 0.8));
    const double length = ten ? kDegreeTickTen : five ? kDegreeTickFive : kDegreeTickUnit;
    DrawRadialLine(painter, degrees, kRadius - length, kRadius);
  }

  painter.setPen(Qt::black);
  painter.setFont(MakeFont(kSans, 11));
  const QFontMetricsF metrics(painter.font());
  for (int degrees = 10; degrees <= 350; degrees += 10) {
    const QString text = QString::number(degrees);
    const QSizeF size(metrics.horizontalAdvance(text), metrics.capHeight());
    DrawCentredText(painter, text, LabelCentre(kRadius - kDegreeLabelGap, degrees, size, false),
                    true);
  }
  // Zero and a full turn share the right end of the horizontal axis: the text stands just
  // above the axis, ending at the ticks.
  const QString zero = QStringLiteral("0 and 360");
  const double width = metrics.horizontalAdvance(zero);
  painter.drawText(QPointF(kCentreX + kRadius - kDegreeTickTen - 3 - width, kCentreY - 4), zero);
}

void DrawRadianScale(QPainter& painter) {
  // Marks every 0.05 radian from 0.05 to 6.25, longer at every tenth.
  for (int twentieths = 1; twentieths <= 125; ++twentieths) {
    const double degrees = twentieths / 20.0 * 180.0 / std::numbers::pi;
    const bool tenth = twentieths % 2 == 0;
    painter.setPen(QPen(Qt::black, tenth ? 1.1 : 0.8));
    DrawRadialLine(painter, degrees, kRadius,
                   kRadius + (tenth ? kRadianTickTenth : kRadianTickHalfTenth));
  }

  // Labels 0.1 to 6.3, each along its radius, read from left to right on both halves.
  painter.setPen(Qt::black);
  painter.setFont(MakeFont(kSansNarrow, 11));
  const QFontMetricsF metrics(painter.font());
  const double half_height = metrics.capHeight() / 2;
  for (int tenths = 1; tenths <= 63; ++tenths) {
    const double degrees = tenths / 10.0 * 180.0 / std::numbers::pi;
    const QString text = QString::number(tenths / 10.0, 'f', 1);
    const double width = metrics.horizontalAdvance(text);
    const bool left_half = degrees > 90.0 && degrees < 270.0;
    painter.save();
    painter.translate(Polar(kRadius + kRadianLabelStart, degrees));
    if (left_half) {
      // Turned half a turn further, the text runs towards the centre; it then ends at the
      // anchor so that it still lies outside the circle.
      painter.rotate(-(degrees + 180.0));
      painter.drawText(QPointF(-width, half_height), text);
    } else {
      painter.rotate(-degrees);
      painter.drawText(QPointF(0, half_height), text);
    }
    painter.restore();
  }
}

void DrawPiMultiples(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  for (const PiMultiple& multiple : kPiMultiples) {
    painter.drawEllipse(Polar(kRadius, multiple.degrees), kPiMarkerRadius, kPiMarkerRadius);
  }
  painter.setBrush(Qt::NoBrush);

  painter.setPen(Qt::black);
  painter.setFont(MakeFont(kSerif, 15, QFont::Bold));
  const QFontMetricsF metrics(painter.font());
  for (const PiMultiple& multiple : kPiMultiples) {
    const QString text = QString::fromUtf16(multiple.label);
    const QSizeF size(metrics.horizontalAdvance(text), metrics.capHeight());
    DrawCentredText(painter, text,
                    LabelCentre(kRadius + kPiLabelGap, multiple.degrees, size, true));
  }
}

void DrawHeadings(QPainter& painter) {
  painter.setPen(QPen(Qt::black, 1.4));
  DrawCurvedDoubleArrow(painter, kRadiansArrowRadius, 72, 108);
  DrawCurvedDoubleArrow(painter, kDegreesArrowRadius, 68, 112);

  painter.setFont(MakeFont(kSans, 15, QFont::Bold));
  DrawCentredText(painter, QStringLiteral("Radians"), Polar(kRadiansHeadingRadius, 90));
  DrawCentredText(painter, QStringLiteral("Degrees"), Polar(kDegreesHeadingRadius, 90), true);
}

void DrawQuadrantSigns(QPainter& painter) {
  const QFont numeral_font = MakeFont(kSerif, 22, QFont::Bold);
  const QFont sign_font = MakeFont(kSans, 14);
  const QFontMetricsF numeral_metrics(numeral_font);
  const QFontMetricsF sign_metrics(sign_font);

  const QString plus = QStringLiteral("+");
  const QString minus = QString(QChar(0x2212));
  const double name_width = sign_metrics.horizontalAdvance(QStringLiteral("csc")) + 7.0;
  const double sign_width = sign_metrics.horizontalAdvance(plus);
  const double column_gap = 16.0;
  const double column_width = name_width + sign_width;
  const double block_width = 2 * column_width + column_gap;
  const double row_height = 18.0;
  const double numeral_height = numeral_metrics.capHeight() + 10.0;
  const double block_height = numeral_height + kSignRows.size() * row_height;

  painter.setPen(Qt::black);
  for (const QuadrantSigns& quadrant : kQuadrants) {
    const QPointF centre = Polar(kQuadrantBlockRadius, quadrant.centre_degrees);
    const double left = centre.x() - block_width / 2;
    const double top = centre.y() - block_height / 2;

    painter.setFont(numeral_font);
    DrawCentredText(painter, QString::fromLatin1(quadrant.numeral),
                    QPointF(centre.x(), top + numeral_metrics.capHeight() / 2));

    painter.setFont(sign_font);
    const std::array<bool, 3> positive = {quadrant.sin_positive, quadrant.cos_positive,
                                          quadrant.tan_positive};
    for (std::size_t row = 0; row < kSignRows.size(); ++row) {
      const double baseline = top + numeral_height + (row + 1) * row_height - 4.0;
      const QString sign = positive[row] ? plus : minus;
      const std::array<const char*, 2> names = {kSignRows[row].function, kSignRows[row].reciprocal};
      for (std::size_t column = 0; column < names.size(); ++column) {
        const double x = left + column * (column_width + column_gap);
        painter.drawText(QPointF(x, baseline), QString::fromLatin1(names[column]));
        painter.drawText(QPointF(x + name_width, baseline), sign);
      }
    }
  }
}

}  // namespace

QImage DrawCirclePicture() {
  QImage image(kCirclePictureWidth, kCirclePictureHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  DrawCircleAndAxes(painter);
  DrawDegreeScale(painter);
  DrawRadianScale(painter);
  DrawPiMultiples(painter);
  DrawHeadings(painter);
  DrawQuadrantSigns(painter);
  painter.end();
  return image;
}

}  // namespace vaneko::tools
