// Caption colours: the WCAG contrast figures, the shade chosen for a faint caption, and the
// calculator's coloured keys as the window draws them.
#include "app/caption_contrast.h"

#include <QColor>
#include <QPushButton>
#include <QTest>

#include "form1_driver.h"

using vaneko::app::ContrastRatio;
using vaneko::app::kMinimumCaptionContrast;
using vaneko::app::LightnessStep;
using vaneko::app::ReadableCaption;
using vaneko::app::Rgb;
using vaneko::app::WithLightnessStep;

namespace {

QColor Colour(Rgb rgb) {
  return QColor(static_cast<QRgb>(rgb));
}

}  // namespace

class CaptionContrastTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  // Figures worked out by hand from WCAG's formulas.
  void ContrastRatioFollowsWcag_data() {
    QTest::addColumn<uint>("a");
    QTest::addColumn<uint>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << 0x000000u << 0xFFFFFFu << 21.0;
    QTest::newRow("white on black") << 0xFFFFFFu << 0x000000u << 21.0;
    QTest::newRow("same colour") << 0x336699u << 0x336699u << 1.0;
    QTest::newRow("grey 777777 on white") << 0x777777u << 0xFFFFFFu << 4.4781;
    QTest::newRow("aqua on EFEFEF") << 0x00FFFFu << 0xEFEFEFu << 1.0906;
    QTest::newRow("fuchsia on EFEFEF") << 0xFF00FFu << 0xEFEFEFu << 2.7274;
  }
  void ContrastRatioFollowsWcag() {
    QFETCH(uint, a);
    QFETCH(uint, b);
    QFETCH(double, ratio);
    QVERIFY2(std::abs(ContrastRatio(a, b) - ratio) < 0.001,
             qPrintable(QString::number(ContrastRatio(a, b))));
  }

  // A faint caption gets the nearest shade of its hue that reaches 4.5:1, and no nearer shade
  // reaches it; a readable one is left alone.
  void FaintCaptionsTakeTheNearestReadableShade_data() {
    QTest::addColumn<uint>("caption");
    QTest::addColumn<uint>("background");
    QTest::addColumn<bool>("changed");
    QTest::newRow("aqua on Fusion's button") << 0x00FFFFu << 0xEFEFEFu << true;
    QTest::newRow("fuchsia on Fusion's button") << 0xFF00FFu << 0xEFEFEFu << true;
    QTest::newRow("aqua on Windows' button") << 0x00FFFFu << 0xF0F0F0u << true;
    QTest::newRow("fuchsia on white") << 0xFF00FFu << 0xFFFFFFu << true;
    QTest::newRow("pale orange on white") << 0xFFCC99u << 0xFFFFFFu << true;
    QTest::newRow("navy on a dark face") << 0x000080u << 0x202020u << true;
    QTest::newRow("desktop blue on the panel") << 0x004E98u << 0xB9D1EAu << false;
    QTest::newRow("black on the button") << 0x000000u << 0xEFEFEFu << false;
  }
  void FaintCaptionsTakeTheNearestReadableShade() {
    QFETCH(uint, caption);
    QFETCH(uint, background);
    QFETCH(bool, changed);
    const Rgb shade = ReadableCaption(caption, background);
    QCOMPARE(shade != caption, changed);
    QVERIFY(ContrastRatio(shade, background) >= kMinimumCaptionContrast);
    QCOMPARE(Colour(shade).hslHue(), Colour(caption).hslHue());
    QVERIFY(std::abs(Colour(shade).hslSaturationF() - Colour(caption).hslSaturationF()) < 0.02);
    if (!changed) return;
    // Every step between the original lightness and the shade's falls short.
    const int from = LightnessStep(caption), to = LightnessStep(shade);
    for (int step = std::min(from, to) + 1; step < std::max(from, to); ++step)
      QVERIFY2(
          ContrastRatio(WithLightnessStep(caption, step), background) < kMinimumCaptionContrast,
          qPrintable(QString::number(step)));
    QVERIFY(ContrastRatio(WithLightnessStep(caption, from), background) < kMinimumCaptionContrast);
  }

  // The keys drawn in colour read at 4.5:1 on their own face and keep their hue.
  void ColouredKeysAreReadable_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("hue");
    for (const char* aqua : {"0", "ArcSin", "ArcCos", "ArcTan", "ArcCoTan"})
      QTest::newRow(aqua) << QString::fromLatin1(aqua) << 180;
    QTest::newRow("Ln") << "Ln" << 300;
  }
  void ColouredKeysAreReadable() {
    QFETCH(QString, caption);
    QFETCH(int, hue);
    QPushButton* key = driver_->CalculatorKey(caption);
    QVERIFY(key != nullptr);
    const QColor text = key->palette().color(QPalette::ButtonText);
    const QColor face = key->palette().color(QPalette::Button);
    QCOMPARE(text.hslHue(), hue);
    const double ratio = ContrastRatio(text.rgb() & 0xFFFFFF, face.rgb() & 0xFFFFFF);
    QVERIFY2(ratio >= kMinimumCaptionContrast,
             qPrintable(QStringLiteral("%1 on %2: %3").arg(text.name(), face.name()).arg(ratio)));
    qInfo("%s: %s on %s, %.2f:1", qPrintable(caption), qPrintable(text.name()),
          qPrintable(face.name()), ratio);
  }
};

QTEST_MAIN(CaptionContrastTest)
#include "caption_contrast_test.moc"
