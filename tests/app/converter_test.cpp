// The converter half driven by hand: tabs, list clicks and keys, "Calculer", the keypad, and
// the error box.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;

class ConverterTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void TabChangeRefillsTheListsWithoutConverting() {
    auto& form = driver_->form1;
    driver_->Type(form.Nombre1, "5");
    driver_->ClickTab(1);
    QCOMPARE(form.TabControl1->CurrentIndex(), 1);
    const QStringList distances = Form1Driver::Items(form.Index1);
    QCOMPARE(distances.size(), 17);
    QCOMPARE(distances.first(), QStringLiteral("Pouce"));
    QCOMPARE(distances.last(), QStringLiteral("Parsec"));
    QCOMPARE(Form1Driver::Items(form.Index2), distances);
    QCOMPARE(form.Index1->SelectedRow(), -1);
    QCOMPARE(form.Index2->SelectedRow(), -1);
    // No conversion ran: an empty result would have become "0".
    QCOMPARE(form.Result->text(), QString());
    QCOMPARE(form.Nombre1->text(), QStringLiteral("5"));
  }

  void TabChangeKeepsTheShownResult() {
    auto& form = driver_->form1;
    driver_->Convert(0, "100", 0, 1);
    QCOMPARE(form.Result->text(), QStringLiteral("212"));
    driver_->ClickTab(2);
    QCOMPARE(form.Result->text(), QStringLiteral("212"));
    QCOMPARE(Form1Driver::Items(form.Index1).first(), QStringLiteral("Gramme"));
  }

  void ClicksInBothListsConvert_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result");
    // An inch is 2,54 cm; a mile 1,609344 km; a pound 453,59237 g; water boils at 212 °F.
    QTest::newRow("inch") << 1 << "1"
                          << "Pouce"
                          << "Centimètre"
                          << "2,54";
    QTest::newRow("mile") << 1 << "1"
                          << "Mile"
                          << "Kilomètre"
                          << "1,609344";
    QTest::newRow("pound") << 2 << "1"
                           << "Livre"
                           << "Gramme"
                           << "453,59237";
    QTest::newRow("boiling") << 0 << "100"
                             << "Celcius"
                             << "Fahrenheit"
                             << "212";
    QTest::newRow("freezing") << 0 << "0"
                              << "Celcius"
                              << "Kelvin"
                              << "273,15";
    QTest::newRow("same unit") << 1 << "007"
                               << "Pied"
                               << "Pied"
                               << "7";
    QTest::newRow("trailing zero") << 2 << "1,50"
                                   << "Once"
                                   << "Once"
                                   << "1,5";
  }

  void ClicksInBothListsConvert() {
    QFETCH(int, tab);
    QFETCH(QString, number);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, result);
    auto& form = driver_->form1;
    if (tab != 0) driver_->ClickTab(tab);
    driver_->Type(form.Nombre1, number);
    driver_->ClickItem(form.Index1, from);
    driver_->ClickItem(form.Index2, to);
    QCOMPARE(form.Result->text(), result);
    QCOMPARE(form.Index1->currentItem()->text(), from);
    QCOMPARE(form.Index2->currentItem()->text(), to);
    QVERIFY(driver_->boxes.empty());
  }

  void AClickWithoutAPairShowsZero() {
    auto& form = driver_->form1;
    driver_->ClickTab(1);
    driver_->Type(form.Nombre1, "3");
    driver_->ClickItem(form.Index1, "Pied");
    // Only one list has a selection: no formula, but the empty result became "0".
    QCOMPARE(form.Result->text(), QStringLiteral("0"));
    QCOMPARE(form.Nombre1->text(), QStringLiteral("3"));
  }

  void ComputeKeyWithoutSelectionShowsTheNumberItself() {
    auto& form = driver_->form1;
    form.Nombre1->setText(QStringLiteral(" 2,5e3 "));
    driver_->Click(form.Button2);
    QCOMPARE(form.Result->text(), QStringLiteral("2500"));
    // An empty number counts as zero and is shown as "0".
    form.Nombre1->clear();
    driver_->Click(form.Button2);
    QCOMPARE(form.Nombre1->text(), QStringLiteral("0"));
    QCOMPARE(form.Result->text(), QStringLiteral("0"));
  }

  void ComputeKeyReadsTheNumberAgain() {
    auto& form = driver_->form1;
    driver_->Convert(1, "1", 0, 13);
    QCOMPARE(form.Result->text(), QStringLiteral("2,54"));
    driver_->Type(form.Nombre1, "2");
    driver_->Click(form.Button2);
    QCOMPARE(form.Result->text(), QStringLiteral("5,08"));
  }

  void ClickOnTheSelectedUnitConvertsAgain() {
    auto& form = driver_->form1;
    driver_->Convert(1, "1", 0, 13);
    driver_->Type(form.Nombre1, "3");
    driver_->ClickItem(form.Index2, 13);
    QCOMPARE(form.Result->text(), QStringLiteral("7,62"));
  }

  void ArrowKeysInAListConvert() {
    auto& form = driver_->form1;
    driver_->Convert(0, "100", 0, 0);
    QCOMPARE(form.Result->text(), QStringLiteral("100"));
    form.Index2->setFocus();
    QTest::keyClick(form.Index2, Qt::Key_Down);
    QCOMPARE(form.Index2->SelectedRow(), 1);
    QCOMPARE(form.Result->text(), QStringLiteral("212"));
    QTest::keyClick(form.Index2, Qt::Key_Down);
    QCOMPARE(form.Result->text(), QStringLiteral("373,15"));
  }

  void ClickBelowTheItemsKeepsTheSelection() {
    auto& form = driver_->form1;
    driver_->Convert(0, "100", 0, 1);
    form.Nombre1->setText(QStringLiteral("0"));
    QTest::mouseClick(form.Index2->viewport(), Qt::LeftButton, {},
                      QPoint(20, form.Index2->viewport()->height() - 5));
    QCOMPARE(form.Index2->SelectedRow(), 1);
    QCOMPARE(form.Result->text(), QStringLiteral("212"));
  }

  void NotANumberShowsTheErrorBox() {
    auto& form = driver_->form1;
    driver_->Convert(1, "1", 0, 13);
    form.Nombre1->setText(QStringLiteral("1.5"));  // pasted: the filter would turn "." into ","
    driver_->Click(form.Button2);
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
    QCOMPARE(driver_->boxes[0].title, QStringLiteral("Vaneko"));
    QCOMPARE(driver_->boxes[0].text, QStringLiteral("'1.5' is not a valid floating point value."));
    QVERIFY(driver_->boxes[0].critical);
    QCOMPARE(form.Result->text(), QStringLiteral("2,54"));
    QCOMPARE(form.Nombre1->text(), QStringLiteral("1.5"));
  }

  void TooLargeANumberShowsTheOverflow() {
    auto& form = driver_->form1;
    form.Nombre1->setText(QStringLiteral("1E400"));
    driver_->Click(form.Button2);
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
    QCOMPARE(driver_->boxes[0].text, QStringLiteral("Floating point overflow."));
    // The steps before the failure stay done: the empty result became "0".
    QCOMPARE(form.Result->text(), QStringLiteral("0"));
  }

  void KeypadEditsTheNumber_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("number");
    QTest::newRow("digits and commas") << "" << QStringList{"5", ",", ",", "2"} << "5,2";
    QTest::newRow("comma on empty") << "" << QStringList{","} << ",";
    QTest::newRow("backspace") << "75" << QStringList{"<<"} << "7";
    QTest::newRow("backspace on one") << "7" << QStringList{"<<"} << "7";
    QTest::newRow("backspace on none") << "" << QStringList{"<<"} << "";
    QTest::newRow("clear") << "123" << QStringList{"C"} << "";
    QTest::newRow("sign") << "2,5" << QStringList{"+/-"} << "-2,5";
    QTest::newRow("sign back") << "-2,5" << QStringList{"+/-"} << "2,5";
    QTest::newRow("sign of empty") << "" << QStringList{"+/-"} << "0";
    QTest::newRow("sign rounds") << "1,23456789012345678" << QStringList{"+/-"}
                                 << "-1,23456789012346";
  }

  void KeypadEditsTheNumber() {
    QFETCH(QString, start);
    QFETCH(QStringList, keys);
    QFETCH(QString, number);
    auto& form = driver_->form1;
    // Typing a first character clears the fresh-entry mark of start-up.
    driver_->Type(form.Nombre1, "1");
    form.Nombre1->setText(start);
    driver_->ClickConverterKeys(keys);
    QCOMPARE(form.Nombre1->text(), number);
    QVERIFY(driver_->boxes.empty());
  }

  void KeypadStartsANewNumberAfterAConversion() {
    auto& form = driver_->form1;
    driver_->Convert(0, "2,5", 0, 0);
    driver_->ClickConverterKeys({"3"});
    QCOMPARE(form.Nombre1->text(), QStringLiteral("3"));
    driver_->ClickConverterKeys({"4"});
    QCOMPARE(form.Nombre1->text(), QStringLiteral("34"));
  }

  void ClearMarksTheNumberForAFreshEntryOnly() {
    auto& form = driver_->form1;
    driver_->ClickCalculatorKeys({"1", "2"});
    driver_->ClickConverterKeys({"9", "C"});
    QCOMPARE(form.Nombre1->text(), QString());
    driver_->ClickCalculatorKeys({"3"});
    QCOMPARE(form.Calc->text(), QStringLiteral("123"));
  }

  void SignKeyReportsANonNumber() {
    auto& form = driver_->form1;
    form.Nombre1->setText(QStringLiteral("abc"));
    driver_->ClickConverterKeys({"+/-"});
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
    QCOMPARE(driver_->boxes[0].text, QStringLiteral("'abc' is not a valid floating point value."));
    QCOMPARE(form.Nombre1->text(), QStringLiteral("abc"));
  }
};

QTEST_MAIN(ConverterTest)
#include "converter_test.moc"
