// What the window tells about units: every list item's tooltip (its name and definition) and
// the result with its unit, as the result field's tooltip and through "Copier avec l'unité".
// Expected definitions follow from the units' legal sizes; expected results from the design's
// formulas (100 °F = (100 − 32) × 5/9 °C; 100 g of butter at 1,04 mL/g in US cups).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;
using vaneko::app::UnitListBox;

class UnitDefinitionsTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private:
  void SelectEnglish(bool english) {
    if (english) driver_->Click(driver_->form1.Button3);
  }
  UnitListBox* List(int which) const {
    return which == 1 ? driver_->form1.Index1 : driver_->form1.Index2;
  }
  QAction* Action(const char* name) const {
    return driver_->form1.Result->findChild<QAction*>(QString::fromLatin1(name));
  }

 private slots:
  void ItemTooltipIsNameAndDefinition_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("nautical mile, from-list")
        << false << 1 << 1 << 10 << "Mile Nautique\n1 Mile Nautique = 1 852 Mètre";
    QTest::newRow("nautical mile, to-list, English")
        << true << 1 << 2 << 10 << "Admiralty Mile\n1 Admiralty Mile = 1 852 Metre";
    QTest::newRow("US gallon") << false << 4 << 2 << 11
                               << "Gallon Us\n1 Gallon Us = 3,785411784 Litre";
    QTest::newRow("curie, English")
        << true << 16 << 1 << 1 << "Curie\n1 Curie = 37 000 000 000 Becquerel";
    QTest::newRow("Fahrenheit") << false << 0 << 1 << 1
                                << "Fahrenheit\nx Fahrenheit = (x + 459,67) × 5/9 Kelvin";
    QTest::newRow("flour") << false << 5 << 1 << 89
                           << "Farine blé blanche tout usage\n1 Tasse = 125,178961111111 g";
    // 1 / 0,00422675283773037 mL, the cup's stored factor, is 236,5882365000003 mL.
    QTest::newRow("cup measure") << false << 5 << 2 << 5
                                 << "Tasse\n1 Tasse = 236,5882365 Mililitre";
    QTest::newRow("kitchen heading") << false << 5 << 1 << 0 << QString();
    QTest::newRow("kitchen blank line") << true << 5 << 1 << 18 << QString();
    // A name ending in a blank shows without it; the table of energies gives 4185,8 J.
    QTest::newRow("name with trailing blank")
        << false << 10 << 1 << 16 << "Kilocalorie 15°C\n1 Kilocalorie 15°C = 4 185,8 Joule";
  }

  void ItemTooltipIsNameAndDefinition() {
    QFETCH(bool, english);
    QFETCH(int, tab);
    QFETCH(int, list);
    QFETCH(int, row);
    QFETCH(QString, tooltip);
    SelectEnglish(english);
    driver_->ClickTab(tab);
    QCOMPARE(List(list)->item(row)->toolTip(), tooltip);
  }

  // The tooltip a person sees when resting the mouse on the item.
  void HoveringShowsTheDefinition() {
    driver_->ClickTab(16);
    UnitListBox& list = *driver_->form1.Index1;
    const QPoint at = list.visualItemRect(list.item(1)).center();
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &help);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Curie\n1 Curie = 37 000 000 000 Becquerel"));
    QToolTip::hideText();
  }

  // Changing the language gives the definitions in the new language.
  void DefinitionsFollowTheLanguage() {
    driver_->ClickTab(17);
    QCOMPARE(driver_->form1.Index1->item(3)->toolTip(), QStringLiteral("Grad\n1 Grad = 0,9 Degré"));
    SelectEnglish(true);
    QCOMPARE(driver_->form1.Index1->item(3)->toolTip(),
             QStringLiteral("Grad\n1 Grad = 0,9 Degree"));
  }

  void CopyWithUnit_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("withUnit");
    QTest::addColumn<QString>("caption");
    // (100 - 32) × 5/9 = 37,777...
    QTest::newRow("Fahrenheit to Celsius") << false << 0 << "100" << 1 << 0 << "37,7777777777778"
                                           << "37,7777777777778 Celcius"
                                           << "Copier avec l'unité";
    // 3 mi = 3 × 1609,344 m = 4,828032 km
    QTest::newRow("miles to kilometres, English") << true << 1 << "3" << 9 << 11 << "4,828032"
                                                  << "4,828032 Kilometre"
                                                  << "Copy with unit";
    // 100 g × 1,04 mL/g × 0,00422675283773037 cups/mL
    QTest::newRow("butter in cups") << false << 5 << "100" << 24 << 5 << "0,439582295123958"
                                    << "0,439582295123958 Tasse"
                                    << "Copier avec l'unité";
  }

  void CopyWithUnit() {
    QFETCH(bool, english);
    QFETCH(int, tab);
    QFETCH(QString, number);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, shown);
    QFETCH(QString, withUnit);
    QFETCH(QString, caption);
    SelectEnglish(english);
    driver_->Convert(tab, number, from, to);
    QLineEdit* result = driver_->form1.Result;
    QCOMPARE(result->text(), shown);
    QCOMPARE(result->toolTip(), withUnit);

    QAction* copyWithUnit = Action("CopyWithUnit");
    QAction* copyNumber = Action("CopyNumber");
    QVERIFY(copyWithUnit != nullptr && copyNumber != nullptr);
    QCOMPARE(copyWithUnit->text(), caption);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    // Its shortcut, in the result field.
    result->setFocus();
    QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(clipboard->text(), withUnit);
    // The plain copy: the number as shown.
    copyNumber->trigger();
    QCOMPARE(clipboard->text(), shown);
    QCOMPARE(result->text(), shown);  // copying changes nothing
  }

  // Before any conversion, or after a tab change has cleared the lists' selection, the result
  // has no unit to name.
  void NoUnitWithoutASelectedUnit() {
    QLineEdit* result = driver_->form1.Result;
    QCOMPARE(result->toolTip(), QString());
    QVERIFY(!Action("CopyWithUnit")->isEnabled());
    driver_->Convert(1, "2", 0, 2);
    QCOMPARE(result->toolTip(), QStringLiteral("0,166666666666667 Pied"));  // 2 in / 12 in
    driver_->ClickTab(2);
    QCOMPARE(result->toolTip(), QString());
    QVERIFY(!Action("CopyWithUnit")->isEnabled());
    QVERIFY(Action("CopyNumber")->isEnabled());
  }
};

QTEST_MAIN(UnitDefinitionsTest)
#include "unit_definitions_test.moc"
