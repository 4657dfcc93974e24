// The calculator panel pressed by hand: keys, the angle-mode buttons, the memory and register
// fields, the exchange with the converter, the notice and the error box, and what the panel
// tells a screen reader.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/caption_contrast.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;

class CalculatorPanelTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void KeysChainWithoutPrecedence_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("sum") << QStringList{"2", "+", "3", "="} << "5";
    QTest::newRow("chain") << QStringList{"2", "+", "3", "*", "4", "="} << "20";
    QTest::newRow("chain midway") << QStringList{"2", "+", "3", "*"} << "5";
    QTest::newRow("root") << QStringList{"2", "7", "x^1/y", "3", "="} << "3";
    QTest::newRow("power") << QStringList{"2", "x^Y", "1", "0", "="} << "1024";
    QTest::newRow("percent") << QStringList{"5", "x % de y", "4", "0", "="} << "2";
    QTest::newRow("comma once") << QStringList{"1", ",", ",", "5", "<<", "<<"} << "1";
    QTest::newRow("sign") << QStringList{"0", "5", "+/-"} << "-5";
    QTest::newRow("clear") << QStringList{"9", "+", "C", "4", "="} << "4";
    QTest::newRow("constant") << QStringList{"2", "*", "Pi", "="} << "6,28318530717959";
    QTest::newRow("no action") << QStringList{"7", "Pp"} << "7";
  }

  void KeysChainWithoutPrecedence() {
    QFETCH(QStringList, keys);
    QFETCH(QString, shown);
    driver_->ClickCalculatorKeys(keys);
    QCOMPARE(driver_->form1.Calc->text(), shown);
    QVERIFY(driver_->boxes.empty());
  }

  void DivisionByZeroShowsTheNotice() {
    auto& form = driver_->form1;
    driver_->ClickCalculatorKeys({"8", "/", "0", "="});
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
    QCOMPARE(driver_->boxes[0].title, QStringLiteral("Vaneko"));
    QCOMPARE(driver_->boxes[0].text, QStringLiteral("Division par 0"));
    QVERIFY(!driver_->boxes[0].critical);
    QCOMPARE(form.Calc->text(), QStringLiteral("8"));
    driver_->ClickCalculatorKeys({"2", "="});
    QCOMPARE(form.Calc->text(), QStringLiteral("4"));
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
  }

  void ArithmeticFaultShowsTheErrorBox() {
    auto& form = driver_->form1;
    driver_->ClickCalculatorKeys({"1", "+/-", "Ln"});
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
    QCOMPARE(driver_->boxes[0].text, QStringLiteral("Invalid floating point operation."));
    QVERIFY(driver_->boxes[0].critical);
    QCOMPARE(form.Calc->text(), QStringLiteral("-1"));
  }

  void AngleModeFollowsTheRadioButtons_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("degrees") << "Deg" << QStringList{"3", "0", "Sin"} << "0,5";
    QTest::newRow("degrees arc") << "Deg" << QStringList{"1", "ArcTan"} << "45";
    QTest::newRow("grads arc") << "Grad" << QStringList{"1", "ArcTan"} << "50";
    QTest::newRow("radians") << "Rad" << QStringList{"0", "Cos"} << "1";
    QTest::newRow("radians pi") << "Rad" << QStringList{"Pi", "Cos"} << "-1";
  }

  void AngleModeFollowsTheRadioButtons() {
    QFETCH(QString, mode);
    QFETCH(QStringList, keys);
    QFETCH(QString, shown);
    auto* button = driver_->form1.Panel1->findChild<QRadioButton*>(mode);
    QVERIFY(button != nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    QVERIFY(button->isChecked());
    driver_->ClickCalculatorKeys(keys);
    QCOMPARE(driver_->form1.Calc->text(), shown);
  }

  void MemoryAndRegistersShowTheirValues() {
    auto& form = driver_->form1;
    driver_->ClickCalculatorKeys({"0", "5", "M", "1", "M+"});
    QCOMPARE(form.mem->text(), QStringLiteral("6"));
    driver_->ClickCalculatorKeys({"3", "X", "4", "Y", "Sqrt(x^2 + y^ 2)"});
    QCOMPARE(form.X1->text(), QStringLiteral("3"));
    QCOMPARE(form.Y1->text(), QStringLiteral("4"));
    QCOMPARE(form.Calc->text(), QStringLiteral("5"));
    driver_->ClickCalculatorKeys({"MC", "XC", "ZR"});
    QCOMPARE(form.mem->text(), QStringLiteral("0"));
    QCOMPARE(form.X1->text(), QStringLiteral("0"));
    QCOMPARE(form.Calc->text(), QStringLiteral("0"));
  }

  void ExchangeKeysReachTheConverter() {
    auto& form = driver_->form1;
    driver_->Convert(1, "1", 0, 13);
    driver_->Click(form.Button22);
    QCOMPARE(form.Calc->text(), QStringLiteral("2,54"));
    driver_->ClickCalculatorKeys({"*", "2", "="});
    driver_->Click(form.Button23);
    QCOMPARE(form.Nombre1->text(), QStringLiteral("5,08"));
    driver_->Click(form.Button2);
    QCOMPARE(form.Result->text(), QStringLiteral("12,9032"));
  }

  void OnlyTwoKeysCarryATooltip() {
    QStringList withTooltip;
    for (const QPushButton* key : driver_->form1.Panel1->findChildren<QPushButton*>()) {
      // The tape's key is not one of the layout's; like every key we add, it has a tooltip.
      if (key == driver_->form1.TapeKey) {
        QVERIFY(!key->toolTip().isEmpty());
        continue;
      }
      if (!key->toolTip().isEmpty()) withTooltip.append(key->text() + "=" + key->toolTip());
    }
    withTooltip.sort();
    QCOMPARE(withTooltip, (QStringList{"c=Vitesse Lumière", "y=Gamma"}));
  }

  void EveryControlSaysWhatItDoes() {
    QStringList silent;
    const auto* client = driver_->form1.Client;
    for (const QWidget* control : client->findChildren<QWidget*>()) {
      const bool operable = qobject_cast<const QPushButton*>(control) ||
                            qobject_cast<const QLineEdit*>(control) ||
                            qobject_cast<const QRadioButton*>(control);
      if (operable && control->accessibleName().isEmpty())
        silent.append(control->objectName() + " " + control->property("text").toString());
    }
    QCOMPARE(silent, QStringList());
  }

  // Every key lies inside the panel and covers no other key by more than the one-pixel seam
  // the layout has in places (between "Inv Ln2" and "Inv Ln10", and "lp(12)" and "tp(40)").
  // The layout's 144 keys and the tape's key, which must sit in space the layout leaves empty.
  void KeysLieInsideThePanelWithoutOverlapping() {
    const QRect panel = driver_->form1.Panel1->rect();
    const auto keys = driver_->form1.Panel1->findChildren<QPushButton*>();
    QCOMPARE(keys.size(), 145);
    for (qsizetype i = 0; i < keys.size(); ++i) {
      const QRect place = keys[i]->geometry();
      QVERIFY2(!place.isEmpty() && panel.contains(place), qPrintable(keys[i]->text()));
      for (qsizetype j = i + 1; j < keys.size(); ++j) {
        const QRect overlap = place.intersected(keys[j]->geometry());
        QVERIFY2(overlap.width() <= 1 || overlap.height() <= 1,
                 qPrintable(keys[i]->text() + " / " + keys[j]->text()));
      }
    }
  }

  void CaptionStylesOfTheLayout() {
    const auto colour = [this](const char* caption) {
      return driver_->CalculatorKey(caption)->palette().color(QPalette::ButtonText);
    };
    // The aqua and fuchsia captions keep their hue, darkened until they read on the key face.
    const struct {
      const char* caption;
      int hue;
    } hued[] = {{"0", 180}, {"ArcSin", 180}, {"ArcCoTan", 180}, {"Ln", 300}};
    for (const auto& key : hued) {
      const QColor shown = colour(key.caption);
      const QColor face = driver_->CalculatorKey(key.caption)->palette().color(QPalette::Button);
      QCOMPARE(shown.hslHue(), key.hue);
      QVERIFY2(vaneko::app::ContrastRatio(shown.rgb() & 0xFFFFFFu, face.rgb() & 0xFFFFFFu) >=
                   vaneko::app::kMinimumCaptionContrast,
               key.caption);
    }
    QVERIFY(driver_->CalculatorKey("M")->font().bold());
    QVERIFY(driver_->CalculatorKey("X")->font().bold());
    QCOMPARE(driver_->CalculatorKey("X")->font().pixelSize(), 16);
    QCOMPARE(driver_->CalculatorKey(",")->font().pixelSize(), 16);
    QCOMPARE(driver_->CalculatorKey("<<")->font().pixelSize(), 15);
    QCOMPARE(driver_->CalculatorKey("7")->font().pixelSize(), 12);
    QVERIFY(!driver_->CalculatorKey("7")->font().bold());
  }
};

QTEST_MAIN(CalculatorPanelTest)
#include "calculator_panel_test.moc"
