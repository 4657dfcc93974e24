// The window used with the keyboard alone: keys in a list move only that list's selection,
// keys on buttons and fields never select a category, Ctrl+Tab and Ctrl+Shift+Tab do from
// anywhere, Enter presses a focused button, and Tab into the angle group lands on its checked
// button.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <memory>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;
using vaneko::app::TForm1;
using vaneko::app::UnitListBox;

namespace {

// The first unit of each category's from-list in French, to tell which category the lists
// show.
const QStringList kFirstUnits = {"Celcius",
                                 "Pouce",
                                 "Gramme",
                                 "Centimètre Carré",
                                 "Centimètre Cube",
                                 "En Gramme ",
                                 "Atmosphère",
                                 "Centimetre par Heure",
                                 "Centimetre par Seconde Carré",
                                 "Dyne",
                                 "British Termal Units(IT)",
                                 "Calories (IT) par Heure",
                                 "Kilomètre par Litre",
                                 "Centimetre Cube par Heure",
                                 "Grammes per Hour",
                                 "Dyne Centimètre",
                                 "Becquerel",
                                 "Degré"};

std::unique_ptr<Form1Driver> ActiveDriver() {
  auto driver = std::make_unique<Form1Driver>();
  driver->form1.activateWindow();
  if (!QTest::qWaitForWindowActive(&driver->form1)) qFatal("The main window was not activated");
  return driver;
}

// Moves the focus with Tab (or Shift+Tab) until it reaches a radio button; null if none comes.
QWidget* TabUntilRadio(QWidget* from, bool backwards) {
  from->setFocus(Qt::OtherFocusReason);
  for (int press = 0; press < 400; ++press) {
    QWidget* focus = QApplication::focusWidget();
    if (press > 0 && qobject_cast<QRadioButton*>(focus) != nullptr) return focus;
    QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
  }
  return nullptr;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { driver_ = ActiveDriver(); }
  void cleanup() { driver_.reset(); }

  void FirstUnitsTableMatchesTheCatalogue() {
    // The table above is the test's own; check it against the window once per category.
    for (int tab = 0; tab < 18; ++tab) {
      driver_->ClickTab(tab);
      QCOMPARE(Form1Driver::Items(driver_->form1.Index1).first(), kFirstUnits[tab]);
    }
  }

  // 100 degrees Celsius in the temperature units: 212 °F, 373,15 K, 671,67 °R; and 100 °R is
  // -359,67 °F.
  void ListKeyMovesOnlyItsListAndConverts_data() {
    QTest::addColumn<int>("list");  // 1: the from-list, 2: the to-list
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("fromAfter");
    QTest::addColumn<int>("toAfter");
    QTest::addColumn<QString>("result");
    QTest::newRow("Down in the to-list") << 2 << 0 << 1 << int(Qt::Key_Down) << 0 << 2 << "373,15";
    QTest::newRow("Up in the to-list") << 2 << 0 << 1 << int(Qt::Key_Up) << 0 << 0 << "100";
    QTest::newRow("End in the from-list") << 1 << 0 << 1 << int(Qt::Key_End) << 3 << 1 << "-359,67";
    QTest::newRow("Home in the from-list") << 1 << 2 << 1 << int(Qt::Key_Home) << 0 << 1 << "212";
    QTest::newRow("Down on the last from-item")
        << 1 << 3 << 1 << int(Qt::Key_Down) << 3 << 1 << "-359,67";
    QTest::newRow("Up on the first to-item") << 2 << 0 << 0 << int(Qt::Key_Up) << 0 << 0 << "100";
    QTest::newRow("End on the last to-item")
        << 2 << 0 << 3 << int(Qt::Key_End) << 0 << 3 << "671,67";
    QTest::newRow("Home on the first to-item")
        << 2 << 0 << 0 << int(Qt::Key_Home) << 0 << 0 << "100";
    QTest::newRow("PageDown on the last to-item")
        << 2 << 0 << 3 << int(Qt::Key_PageDown) << 0 << 3 << "671,67";
    QTest::newRow("Left in the to-list") << 2 << 0 << 1 << int(Qt::Key_Left) << 0 << 1 << "212";
    QTest::newRow("Right in the to-list") << 2 << 0 << 1 << int(Qt::Key_Right) << 0 << 1 << "212";
    QTest::newRow("Right in the from-list") << 1 << 0 << 1 << int(Qt::Key_Right) << 0 << 1 << "212";
    QTest::newRow("Left in the from-list") << 1 << 0 << 1 << int(Qt::Key_Left) << 0 << 1 << "212";
  }

  void ListKeyMovesOnlyItsListAndConverts() {
    QFETCH(int, list);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, key);
    QFETCH(int, fromAfter);
    QFETCH(int, toAfter);
    QFETCH(QString, result);
    TForm1& form = driver_->form1;
    driver_->Convert(0, "100", from, to);
    UnitListBox* pressed = list == 1 ? form.Index1 : form.Index2;
    driver_->ClickItem(pressed, list == 1 ? from : to);  // the focus goes to the list
    QCOMPARE(QApplication::focusWidget(), pressed);

    QTest::keyClick(pressed, static_cast<Qt::Key>(key));
    QCOMPARE(form.TabControl1->CurrentIndex(), 0);
    QCOMPARE(Form1Driver::Items(form.Index1).first(), kFirstUnits[0]);
    QCOMPARE(form.Index1->SelectedRow(), fromAfter);
    QCOMPARE(form.Index2->SelectedRow(), toAfter);
    QCOMPARE(form.Result->text(), result);
    QCOMPARE(QApplication::focusWidget(), pressed);
  }

  void KeysOnButtonsAndFieldsKeepTheCategory_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    const QList<int> keys = {Qt::Key_Home, Qt::Key_End,  Qt::Key_Left,   Qt::Key_Right,
                             Qt::Key_Up,   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
    for (const char* control : {"Button1", "Button55", "Button157", "Nombre1", "Calc", "Button3"})
      for (int key : keys)
        QTest::newRow(
            qPrintable(QStringLiteral("%1 %2").arg(control, QKeySequence(key).toString())))
            << QString::fromLatin1(control) << key;
  }

  void KeysOnButtonsAndFieldsKeepTheCategory() {
    QFETCH(QString, control);
    QFETCH(int, key);
    TForm1& form = driver_->form1;
    driver_->Convert(3, "1", 1, 2);
    QWidget* widget = form.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    widget->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget, static_cast<Qt::Key>(key));
    QCOMPARE(form.TabControl1->CurrentIndex(), 3);
    QCOMPARE(Form1Driver::Items(form.Index1).first(), kFirstUnits[3]);
    QCOMPARE(form.Index1->SelectedRow(), 1);
    QCOMPARE(form.Index2->SelectedRow(), 2);
  }

  void CtrlTabSelectsTheNeighbouringCategoryFromAnywhere_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<int>("expected");
    for (const char* control : {"Nombre1", "Index1", "Index2", "Button1", "Calc", "TabControl1"}) {
      const QString name = QString::fromLatin1(control);
      QTest::newRow(qPrintable(name + " next")) << name << 4 << false << 5;
      QTest::newRow(qPrintable(name + " previous")) << name << 4 << true << 3;
    }
    QTest::newRow("next after the last wraps") << "Index1" << 17 << false << 0;
    QTest::newRow("previous before the first wraps") << "Index2" << 0 << true << 17;
  }

  void CtrlTabSelectsTheNeighbouringCategoryFromAnywhere() {
    QFETCH(QString, control);
    QFETCH(int, start);
    QFETCH(bool, backwards);
    QFETCH(int, expected);
    TForm1& form = driver_->form1;
    if (start != 0) driver_->ClickTab(start);
    QWidget* widget = form.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    widget->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), widget);
    if (backwards)
      QTest::keyClick(widget, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    else
      QTest::keyClick(widget, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(form.TabControl1->CurrentIndex(), expected);
    QCOMPARE(Form1Driver::Items(form.Index1).first(), kFirstUnits[expected]);
    QCOMPARE(form.Index1->SelectedRow(), -1);
    QCOMPARE(QApplication::focusWidget(), widget);  // the focus stays where it was
  }

  void EnterPressesTheFocusedButton() {
    struct Case {
      const char* name;
      const char* button;
      Qt::Key key;
      std::function<bool(Form1Driver&)> pressed;
    };
    const Case cases[] = {
        {"keypad 7 by Return", "Button57", Qt::Key_Return,
         [](Form1Driver& d) { return d.form1.Nombre1->text() == "7"; }},
        {"keypad 7 by keypad Enter", "Button57", Qt::Key_Enter,
         [](Form1Driver& d) { return d.form1.Nombre1->text() == "7"; }},
        {"English", "Button3", Qt::Key_Return,
         [](Form1Driver& d) { return d.form1.Label4->text() == "From"; }},
        {"circle window", "Button157", Qt::Key_Enter,
         [](Form1Driver& d) { return d.form2.isVisible(); }},
        {"compute", "Button2", Qt::Key_Return,
         [](Form1Driver& d) { return d.form1.Result->text() == "0"; }},
        {"calculator 7", "", Qt::Key_Return,
         [](Form1Driver& d) { return d.form1.Calc->text() == "7"; }},
    };
    for (const Case& test : cases) {
      auto driver = ActiveDriver();
      QPushButton* button = *test.button != '\0'
                                ? driver->form1.findChild<QPushButton*>(test.button)
                                : driver->CalculatorKey(QStringLiteral("7"));
      QVERIFY2(button != nullptr, test.name);
      QVERIFY2(!test.pressed(*driver), test.name);
      button->setFocus(Qt::TabFocusReason);
      QTest::keyClick(button, test.key);
      QVERIFY2(test.pressed(*driver), test.name);
    }
  }

  void EnterInTheEntryFieldsStaysTheEqualsKey_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("Calc Return") << "Calc" << int(Qt::Key_Return);
    QTest::newRow("Calc keypad Enter") << "Calc" << int(Qt::Key_Enter);
    QTest::newRow("Nombre1 Return") << "Nombre1" << int(Qt::Key_Return);
  }

  void EnterInTheEntryFieldsStaysTheEqualsKey() {
    QFETCH(QString, field);
    QFETCH(int, key);
    TForm1& form = driver_->form1;
    driver_->Type(form.Calc, "2+3");
    // A focused button elsewhere must not be pressed by Enter typed into a field.
    QLineEdit* typedInto = form.findChild<QLineEdit*>(field);
    typedInto->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(typedInto, static_cast<Qt::Key>(key));
    QCOMPARE(form.Calc->text(), QStringLiteral("5"));
    QCOMPARE(form.Result->text(), QString());  // "Calculer" was not pressed
    QVERIFY(!driver_->form2.isVisible());
  }

  void TabIntoTheAngleGroupLandsOnTheCheckedButton_data() {
    QTest::addColumn<bool>("backwards");
    QTest::newRow("Tab") << false;
    QTest::newRow("Shift+Tab") << true;
  }

  void TabIntoTheAngleGroupLandsOnTheCheckedButton() {
    QFETCH(bool, backwards);
    TForm1& form = driver_->form1;
    QCOMPARE(TabUntilRadio(form.Nombre1, backwards), form.Deg);
    // One more Tab leaves the group.
    QTest::keyClick(form.Deg, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QVERIFY(qobject_cast<QRadioButton*>(QApplication::focusWidget()) == nullptr);

    // The arrows move the choice: "Rad" sits above "Deg", "Grad" to the right of "Rad".
    form.Deg->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.Deg, Qt::Key_Up);
    QVERIFY(form.Rad->isChecked());
    QVERIFY(!form.Deg->isChecked());
    QCOMPARE(QApplication::focusWidget(), form.Rad);
    QTest::keyClick(form.Rad, Qt::Key_Right);
    QVERIFY(form.Grad->isChecked());
    QCOMPARE(QApplication::focusWidget(), form.Grad);
    // Tab into the group now lands on "Grad".
    QCOMPARE(TabUntilRadio(form.Nombre1, backwards), form.Grad);
    QCOMPARE(form.TabControl1->CurrentIndex(), 0);
  }

  void AngleChosenByArrowIsTheCalculatorsMode() {
    TForm1& form = driver_->form1;
    form.Deg->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.Deg, Qt::Key_Up);  // radians
    driver_->Type(form.Calc, "0");
    driver_->ClickCalculatorKeys({"Cos"});
    QCOMPARE(form.Calc->text(), QStringLiteral("1"));
    driver_->Type(form.Calc, "3,14159265358979");
    driver_->ClickCalculatorKeys({"Cos"});
    QCOMPARE(form.Calc->text(), QStringLiteral("-1"));
  }

 private:
  std::unique_ptr<Form1Driver> driver_;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
