// Finding a unit from the keyboard: Ctrl+F's finder over the unit lists (what it lists for a
// name, other name or symbol, in either language; Enter, Shift+Enter, a click, Escape), and
// type-ahead in a focused unit list (accents and case folded, letters adding up, a blank inside
// a name, one letter again and again).
#include "app/unit_finder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;
using vaneko::app::TForm1;
using vaneko::app::UnitFinder;
using vaneko::app::UnitListBox;

namespace {

std::unique_ptr<Form1Driver> ActiveDriver() {
  auto driver = std::make_unique<Form1Driver>();
  driver->form1.activateWindow();
  if (!QTest::qWaitForWindowActive(&driver->form1)) qFatal("The main window was not activated");
  return driver;
}

QString SelectedText(const UnitListBox* list) {
  const int row = list->SelectedRow();
  return row < 0 ? QString() : list->item(row)->text();
}

// Types `text` one key press each; a letter outside ASCII ("è") as the key of that letter.
void TypeKeys(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    if (character.unicode() < 0x80) {
      QTest::keyClicks(widget, QString(character));
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(character.toUpper().unicode()),
                          QString(character), Qt::NoModifier);
    }
  }
}

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int row = 0; row < list->count(); ++row) lines.append(list->item(row)->text());
  return lines;
}

}  // namespace

class UnitFinderTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    driver_ = ActiveDriver();
    // Letters typed by the test add up whatever the machine's speed.
    QApplication::setKeyboardInputInterval(3600 * 1000);
  }
  void cleanup() { driver_.reset(); }

  void CtrlFOpensTheFinderFromAnyControl_data() {
    QTest::addColumn<QString>("control");
    for (const char* control : {"Nombre1", "Index1", "Index2", "Calc", "Button1", "TabControl1"})
      QTest::newRow(control) << QString::fromLatin1(control);
  }

  void CtrlFOpensTheFinderFromAnyControl() {
    QFETCH(QString, control);
    TForm1& form = driver_->form1;
    QVERIFY(form.Finder() == nullptr || !form.Finder()->isVisible());
    QWidget* widget = form.findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    widget->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget, Qt::Key_F, Qt::ControlModifier);
    UnitFinder* finder = form.Finder();
    QVERIFY(finder != nullptr && finder->isVisible());
    QCOMPARE(QApplication::focusWidget(), finder->Query);
    QVERIFY(finder->Query->text().isEmpty());
    QCOMPARE(finder->Units->count(), 0);
    // Over the unit lists, whose layout stays as it was.
    const QRect lists(form.Index1->mapToGlobal(QPoint(0, 0)), form.Index1->size());
    QVERIFY(finder->frameGeometry().intersects(lists));
    QCOMPARE(form.Index1->geometry(), QRect(16, 78, 231, 508));

    QTest::keyClick(finder->Query, Qt::Key_Escape);
    QVERIFY(!finder->isVisible());
    QCOMPARE(QApplication::focusWidget(), widget);  // back where it was
    QCOMPARE(form.TabControl1->CurrentIndex(), 0);
    QCOMPARE(form.Index1->SelectedRow(), -1);
  }

  // The unit first listed for a query: its name as the list shows it, the text that matched
  // when it is not that name, and its category, in the interface language.
  void ListsTheUnitWithItsCategory_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("first");
    // clang-format off
    QTest::newRow("mph, French") << false << "mph" << "Mile par Heure (mph) — Vitesse";
    QTest::newRow("mph, English") << true << "mph" << "Mile per Hour (mph) — Velocyty";
    QTest::newRow("psi, French") << false << "psi" << "PSI — Pression";
    QTest::newRow("psi, English") << true << "psi" << "PSI — Pressure";
    QTest::newRow("upper case") << false << "PSI" << "PSI — Pression";
    QTest::newRow("English name in French") << false << "mile per h" << "Mile par Heure (Mile per Hour) — Vitesse";
    QTest::newRow("accents folded") << true << "metre" << "Metre — Distance";
    QTest::newRow("French name in English") << true << "mètre" << "Metre — Distance";
    QTest::newRow("a food") << false << "beurre" << "Beurre — Gramme-Volume";
    // clang-format on
  }

  void ListsTheUnitWithItsCategory() {
    QFETCH(bool, english);
    QFETCH(QString, query);
    QFETCH(QString, first);
    TForm1& form = driver_->form1;
    if (english) driver_->Click(form.Button3);
    UnitFinder* finder = Open();
    TypeKeys(finder->Query, query);
    QVERIFY(finder->Units->count() > 0);
    QCOMPARE(finder->Units->item(0)->text(), first);
    QCOMPARE(finder->Units->currentRow(), 0);  // Enter takes the first unless an arrow moved
  }

  void EveryUnitListedIsOfTheQuery() {
    // "mph" is also an other name of the kilometre per hour ("kmph"), listed after the units
    // whose texts start with it.
    UnitFinder* finder = Open();
    QTest::keyClicks(finder->Query, "mph");
    const QStringList lines = Lines(finder->Units);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QStringLiteral("Kilomètre par Heure (kmph) — Vitesse"));
    // Each new letter lists again: "mp" finds more units than "mph".
    QTest::keyClick(finder->Query, Qt::Key_Backspace);
    QVERIFY(finder->Units->count() > 2);
    QVERIFY(Lines(finder->Units).contains(lines[0]));
  }

  // 60 mph in km/h, then 1 atm in psi, both by the finder alone.
  void EnterChoosesTheFromListShiftEnterTheToList_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("fromUnit");
    QTest::addColumn<QString>("toUnit");
    QTest::addColumn<QString>("result");
    // clang-format off
    QTest::newRow("mph to km/h, French") << false << "60" << "mph" << "kmh" << 7 << "Mile par Heure" << "Kilomètre par Heure" << "96,56064";
    QTest::newRow("mph to km/h, English") << true << "60" << "mph" << "kmh" << 7 << "Mile per Hour" << "Kilometre per Hour" << "96,56064";
    QTest::newRow("atm to psi, French") << false << "1" << "atm" << "psi" << 6 << "Atmosphère" << "PSI" << "14,6959487755134";
    QTest::newRow("atm to psi, English") << true << "1" << "atm" << "psi" << 6 << "Atmosphere" << "PSI" << "14,6959487755134";
    // clang-format on
  }

  void EnterChoosesTheFromListShiftEnterTheToList() {
    QFETCH(bool, english);
    QFETCH(QString, number);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, tab);
    QFETCH(QString, fromUnit);
    QFETCH(QString, toUnit);
    QFETCH(QString, result);
    TForm1& form = driver_->form1;
    if (english) driver_->Click(form.Button3);
    driver_->Type(form.Nombre1, number);

    UnitFinder* finder = Open();
    QTest::keyClicks(finder->Query, from);
    QTest::keyClick(finder->Query, Qt::Key_Return);
    QVERIFY(!finder->isVisible());
    QCOMPARE(form.TabControl1->CurrentIndex(), tab);
    QCOMPARE(SelectedText(form.Index1), fromUnit);
    QCOMPARE(form.Index2->SelectedRow(), -1);

    finder = Open();
    QTest::keyClicks(finder->Query, to);
    QTest::keyClick(finder->Query, Qt::Key_Return, Qt::ShiftModifier);
    QVERIFY(!finder->isVisible());
    QCOMPARE(form.TabControl1->CurrentIndex(), tab);
    QCOMPARE(SelectedText(form.Index1), fromUnit);  // the same tab keeps the from-unit
    QCOMPARE(SelectedText(form.Index2), toUnit);
    QCOMPARE(form.Result->text(), result);
    QVERIFY(driver_->boxes.empty());
  }

  void TheKeypadEnterAndTheArrowsToo() {
    TForm1& form = driver_->form1;
    UnitFinder* finder = Open();
    QTest::keyClicks(finder->Query, "mph");
    QTest::keyClick(finder->Query, Qt::Key_Down);
    QCOMPARE(finder->Units->currentRow(), 1);
    QTest::keyClick(finder->Query, Qt::Key_Down);  // the last stays
    QCOMPARE(finder->Units->currentRow(), 1);
    QTest::keyClick(finder->Query, Qt::Key_Up);
    QTest::keyClick(finder->Query, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), finder->Query);  // the arrows leave the focus here
    QTest::keyClick(finder->Query, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(form.TabControl1->CurrentIndex(), 7);
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Kilomètre par Heure"));
    QCOMPARE(form.Result->text(), QStringLiteral("0"));  // converted: the empty number is 0
  }

  void AClickChoosesTheFromListAShiftClickTheToList() {
    TForm1& form = driver_->form1;
    driver_->Type(form.Nombre1, "100");
    for (const auto& [query, modifier] :
         {std::pair{"degF", Qt::NoModifier}, std::pair{"kelvin", Qt::ShiftModifier}}) {
      UnitFinder* finder = Open();
      TypeKeys(finder->Query, query);
      QListWidget* units = finder->Units;
      QVERIFY(units->count() > 0);
      QTest::mouseClick(units->viewport(), Qt::LeftButton, modifier,
                        units->visualItemRect(units->item(0)).center());
      QVERIFY(!finder->isVisible());
    }
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Fahrenheit"));
    QCOMPARE(SelectedText(form.Index2), QStringLiteral("Kelvin"));
    QCOMPARE(form.Result->text(), QStringLiteral("310,927777777778"));  // (100 + 459.67) × 5/9
  }

  void AMeasureForTheFromListTurnsTheKitchenTab() {
    TForm1& form = driver_->form1;
    UnitFinder* finder = Open();
    QTest::keyClicks(finder->Query, "beurre");
    QTest::keyClick(finder->Query, Qt::Key_Return);
    QCOMPARE(form.TabControl1->CurrentIndex(), 5);
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Beurre"));
    finder = Open();
    QTest::keyClicks(finder->Query, "cuilliere");
    QTest::keyClick(finder->Query, Qt::Key_Return);
    // The swap key's turn: the measures in the from-list, the butter in the to-list.
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Cuillière à thé"));
    QCOMPARE(SelectedText(form.Index2), QStringLiteral("Beurre"));
    QVERIFY(form.SwapKey->isChecked());
    QVERIFY(form.FromNote->isVisible());
  }

  void NothingFoundChoosesNothing() {
    TForm1& form = driver_->form1;
    driver_->Convert(3, "1", 1, 2);
    UnitFinder* finder = Open();
    QTest::keyClicks(finder->Query, "zzqx");
    QCOMPARE(finder->Units->count(), 0);
    QCOMPARE(finder->Hint->text(), QStringLiteral("Aucune unité trouvée"));
    QTest::keyClick(finder->Query, Qt::Key_Return);
    QVERIFY(finder->isVisible());  // nothing to choose: the finder waits for another text
    QTest::keyClick(finder->Query, Qt::Key_Escape);
    QVERIFY(!finder->isVisible());
    QCOMPARE(form.TabControl1->CurrentIndex(), 3);
    QCOMPARE(form.Index1->SelectedRow(), 1);
    QCOMPARE(form.Index2->SelectedRow(), 2);
    // Opened again, it starts empty.
    finder = Open();
    QVERIFY(finder->Query->text().isEmpty());
    QCOMPARE(finder->Units->count(), 0);
  }

  void TextsAndAccessibleNamesFollowTheLanguage_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("nothing");
    QTest::newRow("French") << false << "Chercher une unité"
                            << "Unités trouvées"
                            << "Aucune unité trouvée";
    QTest::newRow("English") << true << "Find a unit"
                             << "Units found"
                             << "No unit found";
  }

  void TextsAndAccessibleNamesFollowTheLanguage() {
    QFETCH(bool, english);
    QFETCH(QString, title);
    QFETCH(QString, units);
    QFETCH(QString, nothing);
    TForm1& form = driver_->form1;
    // Both ways round: the other language first, then this one.
    driver_->Click(english ? form.Button4 : form.Button3);
    driver_->Click(english ? form.Button3 : form.Button4);
    UnitFinder* finder = Open();
    QCOMPARE(finder->accessibleName(), title);
    QCOMPARE(finder->Query->accessibleName(), title);
    QCOMPARE(finder->Query->placeholderText(), title);
    QCOMPARE(finder->Units->accessibleName(), units);
    QVERIFY(!finder->Query->accessibleDescription().isEmpty());
    QVERIFY(!finder->Units->accessibleDescription().isEmpty());
    QVERIFY(finder->Units->accessibleDescription() != finder->Query->accessibleDescription());
    QTest::keyClicks(finder->Query, "qqzz");
    QCOMPARE(finder->Hint->text(), nothing);
  }

  // Type-ahead: the item selected in a focused list after the keys typed, and that the move
  // converted as a keyboard selection does.
  void TypeAheadSelectsTheNextUnitStartingWithTheLetters_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("list");              // 1: the from-list, 2: the to-list
    QTest::addColumn<QStringList>("typed");     // one key each, all within the input interval
    QTest::addColumn<QStringList>("selected");  // the item selected after each key
    // clang-format off
    QTest::newRow("k, ke: Kelvin") << false << 0 << 1 << QStringList{"k", "e"} << QStringList{"Kelvin", "Kelvin"};
    QTest::newRow("upper case, to-list") << false << 0 << 2 << QStringList{"K", "E", "L"} << QStringList{"Kelvin", "Kelvin", "Kelvin"};
    QTest::newRow("metre reaches Mètre") << false << 1 << 1 << QStringList{"m", "e", "t", "r", "e"} << QStringList{"Main", "Mètre", "Mètre", "Mètre", "Mètre"};
    QTest::newRow("an accent typed") << false << 1 << 2 << QStringList{"c", "h", "à"} << QStringList{"Coudée", "Chaîne", "Chaîne"};
    QTest::newRow("a blank inside a name") << false << 1 << 1 << QStringList{"m", "i", "l", "e", " ", "n"} << QStringList{"Main", "Mile", "Mile", "Mile", "Mile", "Mile Nautique"};
    QTest::newRow("one letter again and again") << false << 1 << 1 << QStringList{"m", "m", "m", "m"} << QStringList{"Main", "Mile", "Mile Nautique", "Mètre"};
    QTest::newRow("English") << true << 1 << 1 << QStringList{"m", "e"} << QStringList{"Mile", "Metre"};
    QTest::newRow("no unit fits: nothing moves") << false << 0 << 1 << QStringList{"f", "x"} << QStringList{"Fahrenheit", "Fahrenheit"};
    QTest::newRow("a food") << false << 5 << 1 << QStringList{"b", "e", "u"} << QStringList{"Banane en purée", "Bette à carde", "Beurre"};
    QTest::newRow("a measure") << false << 5 << 2 << QStringList{"c", "u", "i", "l", "i"} << QStringList{"Cuillière à thé", "Cuillière à thé", "Cuillière à thé", "Cuillière à thé", "Cuilière à table"};
    // clang-format on
  }

  void TypeAheadSelectsTheNextUnitStartingWithTheLetters() {
    QFETCH(bool, english);
    QFETCH(int, tab);
    QFETCH(int, list);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, selected);
    QCOMPARE(typed.size(), selected.size());
    TForm1& form = driver_->form1;
    if (english) driver_->Click(form.Button3);
    if (tab != 0) driver_->ClickTab(tab);
    driver_->Type(form.Nombre1, "100");
    UnitListBox* typedInto = list == 1 ? form.Index1 : form.Index2;
    UnitListBox* other = list == 1 ? form.Index2 : form.Index1;
    typedInto->setFocus(Qt::OtherFocusReason);
    for (qsizetype key = 0; key < typed.size(); ++key) {
      TypeKeys(typedInto, typed[key]);
      QCOMPARE(SelectedText(typedInto).trimmed(), selected[key]);
    }
    QCOMPARE(form.TabControl1->CurrentIndex(), tab);
    QCOMPARE(other->SelectedRow(), -1);
    QCOMPARE(QApplication::focusWidget(), typedInto);
    // Converted as a selection by the user: the number now reads as a fresh one.
    QCOMPARE(form.Result->text(), QStringLiteral("0"));
    driver_->Type(form.Nombre1, "7");
    QCOMPARE(form.Nombre1->text(), QStringLiteral("7"));
  }

  void TypeAheadConvertsWithTheOtherList() {
    // 100 K in °C, then 100 °R in °C: the selection typed converts each time.
    TForm1& form = driver_->form1;
    driver_->Convert(0, "100", 0, 0);
    QCOMPARE(form.Result->text(), QStringLiteral("100"));
    form.Index1->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(form.Index1, "ke");
    QCOMPARE(form.Result->text(), QStringLiteral("-173,15"));
    QTest::keyClicks(form.Index1, "r");  // "ker" fits nothing: Kelvin stays
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Kelvin"));
    QApplication::setKeyboardInputInterval(0);  // the next letter starts a new search
    QTest::qWait(5);
    QTest::keyClicks(form.Index1, "r");
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Rankine"));
    QCOMPARE(form.Result->text(), QStringLiteral("-217,594444444444"));  // 100 × 5/9 − 273.15
    QVERIFY(driver_->boxes.empty());
  }

  void ANewCategoryStartsANewSearch() {
    // "m" in Distance, then the temperatures: "f" is a search of its own, not "mf".
    TForm1& form = driver_->form1;
    driver_->ClickTab(1);
    form.Index1->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(form.Index1, "m");
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Main"));
    QTest::keyClick(form.Index1, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(form.TabControl1->CurrentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), form.Index1);
    QTest::keyClicks(form.Index1, "f");
    QCOMPARE(SelectedText(form.Index1), QStringLiteral("Fahrenheit"));
  }

 private:
  UnitFinder* Open() {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &driver_->form1, Qt::Key_F, Qt::ControlModifier);
    UnitFinder* finder = driver_->form1.Finder();
    if (!finder->isVisible()) qFatal("Ctrl+F did not open the unit finder");
    return finder;
  }

  std::unique_ptr<Form1Driver> driver_;
};

QTEST_MAIN(UnitFinderTest)
#include "unit_finder_test.moc"
