// The circle window and its key "Radians / Degres".
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "form1_driver.h"

using vaneko::app::Form1Driver;

namespace {

int VisibleWindowsTitled(const QString& title) {
  int count = 0;
  for (const QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible() && window->windowTitle() == title) ++count;
  return count;
}

}  // namespace

class CircleWindowTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void StartsHidden() {
    QVERIFY(!driver_->form2.isVisible());
    QCOMPARE(VisibleWindowsTitled(QStringLiteral("Form2")), 0);
  }

  void PressedTwiceShowsOneWindowOfThePicturesSize() {
    QPushButton* key = driver_->ConverterKey(QStringLiteral("Radians / Degres"));
    driver_->Click(key);
    driver_->Click(key);
    QVERIFY(QTest::qWaitForWindowExposed(&driver_->form2));
    QCOMPARE(VisibleWindowsTitled(QStringLiteral("Form2")), 1);
    QCOMPARE(driver_->form2.windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(driver_->form2.size(), QSize(556, 569));
    const QPixmap picture = driver_->form2.Image2->pixmap();
    QCOMPARE(picture.size(), QSize(556, 569));
    QCOMPARE(driver_->form2.Image2->geometry(), QRect(0, 0, 556, 569));
    // Black drawing on white: the picture is neither empty nor one flat colour.
    const QImage image = picture.toImage();
    QVERIFY(image.pixelColor(2, 2).lightness() > 240);
    bool hasDark = false;
    for (int x = 0; x < image.width() && !hasDark; ++x)
      hasDark = image.pixelColor(x, image.height() / 2).lightness() < 100;
    QVERIFY(hasDark);
  }

  void AVisibleWindowIsNotMovedAgain() {
    QPushButton* key = driver_->ConverterKey(QStringLiteral("Radians / Degres"));
    driver_->Click(key);
    driver_->form2.move(300, 120);
    const QPoint moved = driver_->form2.pos();
    driver_->Click(key);
    QCOMPARE(driver_->form2.pos(), moved);
  }

  void ClosingHidesAndTheKeyShowsItAgain() {
    QPushButton* key = driver_->ConverterKey(QStringLiteral("Radians / Degres"));
    driver_->Click(key);
    QVERIFY(driver_->form2.close());
    QVERIFY(!driver_->form2.isVisible());
    QVERIFY(driver_->form1.isVisible());
    driver_->Click(key);
    QVERIFY(driver_->form2.isVisible());
    QCOMPARE(driver_->form2.size(), QSize(556, 569));
  }

  void LanguageSwitchLeavesTheCaption() {
    driver_->Click(driver_->ConverterKey(QStringLiteral("Radians / Degres")));
    driver_->Click(driver_->form1.Button3);
    QCOMPARE(driver_->form2.windowTitle(), QStringLiteral("Form2"));
    driver_->Click(driver_->form1.Button4);
    QCOMPARE(driver_->form2.windowTitle(), QStringLiteral("Form2"));
  }

  void MainWindowWorksBesideIt() {
    driver_->Click(driver_->ConverterKey(QStringLiteral("Radians / Degres")));
    driver_->Convert(1, "1", 0, 13);
    QCOMPARE(driver_->form1.Result->text(), QStringLiteral("2,54"));
    driver_->ClickCalculatorKeys({"2", "+", "3", "="});
    QCOMPARE(driver_->form1.Calc->text(), QStringLiteral("5"));
    QVERIFY(driver_->form2.isVisible());
  }
};

QTEST_MAIN(CircleWindowTest)
#include "circle_window_test.moc"
