// The tape window: opened by its key or Ctrl+T, it lists the steps of the keys pressed on the
// panel, copies them whole, clears them, and gives a line's result back to Calc.
#include "app/tape_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "form1_driver.h"

using vaneko::app::Form1Driver;

namespace {

QStringList ShownLines(const QListWidget* list) {
  QStringList lines;
  for (int row = 0; row < list->count(); ++row) lines.append(list->item(row)->text());
  return lines;
}

}  // namespace

class TapeWindowTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void StartsHiddenWithItsKeyOnThePanel() {
    QVERIFY(driver_->form1.Tape() != nullptr);
    QVERIFY(!driver_->form1.Tape()->isVisible());
    QPushButton* key = driver_->CalculatorKey(QStringLiteral("Ruban"));
    QVERIFY(key != nullptr);
    QCOMPARE(key->parentWidget(), driver_->form1.Panel1);
    QCOMPARE(key->accessibleName(), QStringLiteral("Ruban des calculs"));
    QVERIFY(key->toolTip().contains(QStringLiteral("Ctrl+T")));
  }

  void ListsTheStepsOfTheKeysPressed_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("chain") << QStringList{"2", "+", "3", "*", "4", "="}
                           << QStringList{"2 + 3 = 5", "5 * 4 = 20"};
    QTest::newRow("sine") << QStringList{"3", "0", "Sin"} << QStringList{"Sin(30°) = 0,5"};
    QTest::newRow("memory") << QStringList{"7", "M", "5", "M+"}
                            << QStringList{"M 7 → mem 7", "M+ 5 → mem 12"};
    QTest::newRow("refused division")
        << QStringList{"8", "/", "0", "="} << QStringList{"8 / 0: Division par 0"};
  }
  void ListsTheStepsOfTheKeysPressed() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, lines);
    driver_->Click(driver_->CalculatorKey(QStringLiteral("Ruban")));
    auto* tape = driver_->form1.Tape();
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    driver_->ClickCalculatorKeys(keys);
    QCOMPARE(ShownLines(tape->Lines), lines);
  }

  void ShowsStepsMadeWhileClosedAndOpensWithCtrlT() {
    driver_->ClickCalculatorKeys({"1", "+", "1", "="});
    QTest::keyClick(driver_->form1.Calc, Qt::Key_T, Qt::ControlModifier);
    auto* tape = driver_->form1.Tape();
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    QCOMPARE(ShownLines(tape->Lines), QStringList{"1 + 1 = 2"});
  }

  void CopiesEveryLineAndClears() {
    driver_->Click(driver_->CalculatorKey(QStringLiteral("Ruban")));
    auto* tape = driver_->form1.Tape();
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    driver_->ClickCalculatorKeys({"2", "+", "3", "*", "4", "="});
    QApplication::clipboard()->clear();
    driver_->Click(tape->CopyKey);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2 + 3 = 5\n5 * 4 = 20\n"));
    QApplication::clipboard()->clear();
    tape->activateWindow();
    QTest::keyClick(tape->Lines, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2 + 3 = 5\n5 * 4 = 20\n"));
    driver_->Click(tape->ClearKey);
    QCOMPARE(tape->Lines->count(), 0);
    driver_->ClickCalculatorKeys({"+", "1", "="});
    QCOMPARE(ShownLines(tape->Lines), QStringList{"20 + 1 = 21"});
  }

  void DoubleClickPutsTheResultIntoCalc() {
    driver_->Click(driver_->CalculatorKey(QStringLiteral("Ruban")));
    auto* tape = driver_->form1.Tape();
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    driver_->ClickCalculatorKeys({"1", "ArcTan", "C"});
    QCOMPARE(driver_->form1.Calc->text(), QString());
    QListWidgetItem* item = tape->Lines->item(0);
    QVERIFY(item != nullptr);
    const QRect place = tape->Lines->visualItemRect(item);
    // A double-click arrives as a press, a release, then the double-click press.
    QTest::mouseClick(tape->Lines->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(tape->Lines->viewport(), Qt::LeftButton, {}, place.center());
    // The result without its angle unit; the next digit starts a new number.
    QCOMPARE(driver_->form1.Calc->text(), QStringLiteral("45"));
    driver_->ClickCalculatorKeys({"7"});
    QCOMPARE(driver_->form1.Calc->text(), QStringLiteral("7"));
  }

  void FollowsTheInterfaceLanguage() {
    driver_->Click(driver_->ConverterKey(QStringLiteral("English")));
    QPushButton* key = driver_->CalculatorKey(QStringLiteral("Tape"));
    QVERIFY(key != nullptr);
    QCOMPARE(key->accessibleName(), QStringLiteral("Calculation tape"));
    QVERIFY(key->toolTip().startsWith(QStringLiteral("Opens the tape")));
    auto* tape = driver_->form1.Tape();
    QCOMPARE(tape->windowTitle(), QStringLiteral("Tape"));
    QCOMPARE(tape->CopyKey->text(), QStringLiteral("Copy"));
    QCOMPARE(tape->ClearKey->text(), QStringLiteral("Clear"));
    driver_->Click(driver_->ConverterKey(QStringLiteral("Français")));
    QCOMPARE(tape->windowTitle(), QStringLiteral("Ruban"));
    QCOMPARE(tape->CopyKey->text(), QStringLiteral("Copier"));
    QCOMPARE(tape->ClearKey->text(), QStringLiteral("Effacer"));
  }

  // A line wider than the list wraps onto more rows, whole, and its tooltip is the whole line.
  void LongLinesWrapWhole() {
    driver_->Click(driver_->CalculatorKey(QStringLiteral("Ruban")));
    auto* tape = driver_->form1.Tape();
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    tape->resize(160, tape->height());
    driver_->ClickCalculatorKeys(
        {"1", "2", "3", "4", "5", "6", "7", "8", "9", "/", "7", "=", "2", "+", "1", "="});
    QCOMPARE(tape->Lines->count(), 2);
    QVERIFY(!tape->Lines->horizontalScrollBar()->isVisible());
    const QFontMetrics metrics(tape->Lines->font());
    const int lineHeight = metrics.height();
    for (int row = 0; row < tape->Lines->count(); ++row) {
      const QListWidgetItem* item = tape->Lines->item(row);
      const QRect place = tape->Lines->visualItemRect(item);
      QCOMPARE(item->toolTip(), item->text());
      QVERIFY2(place.right() < tape->Lines->viewport()->width(), qPrintable(item->text()));
      const int needed = metrics
                             .boundingRect(QRect(0, 0, place.width() - 8, 10000),
                                           Qt::TextWordWrap | Qt::TextWrapAnywhere, item->text())
                             .height();
      QVERIFY2(place.height() >= needed, qPrintable(item->text()));
    }
    // "123456789 / 7 = 17636684,1428571" is wider than the list: it takes two rows or more.
    QVERIFY(metrics.horizontalAdvance(tape->Lines->item(0)->text()) >
            tape->Lines->viewport()->width());
    QVERIFY(tape->Lines->visualItemRect(tape->Lines->item(0)).height() >= 2 * lineHeight);
  }

  // The key and Ctrl+T bring the tape to the front and make it the active window, even when it
  // was open behind the main window, so that Ctrl+C copies it at once.
  void KeyAndShortcutActivateAnOpenTape_data() {
    QTest::addColumn<bool>("shortcut");
    QTest::newRow("key") << false;
    QTest::newRow("Ctrl+T") << true;
  }
  void KeyAndShortcutActivateAnOpenTape() {
    QFETCH(bool, shortcut);
    auto& form = driver_->form1;
    auto* tape = form.Tape();
    driver_->ClickCalculatorKeys({"2", "+", "2", "="});
    tape->show();
    QVERIFY(QTest::qWaitForWindowExposed(tape));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (shortcut)
      QTest::keyClick(form.Calc, Qt::Key_T, Qt::ControlModifier);
    else
      driver_->Click(driver_->CalculatorKey(QStringLiteral("Ruban")));
    QVERIFY(QTest::qWaitForWindowActive(tape));
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2 + 2 = 4\n"));
  }
};

QTEST_MAIN(TapeWindowTest)
#include "tape_window_test.moc"
