// The main window as it opens: its state, its layout, the order of keyboard focus and quitting.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;

class StartupTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void StartsOnTemperatureWithNothingSelected() {
    const auto& form = driver_->form1;
    QCOMPARE(form.TabControl1->CurrentIndex(), 0);
    const QStringList temperatures{"Celcius", "Fahrenheit", "Kelvin", "Rankine"};
    QCOMPARE(Form1Driver::Items(form.Index1), temperatures);
    QCOMPARE(Form1Driver::Items(form.Index2), temperatures);
    QCOMPARE(form.Index1->SelectedRow(), -1);
    QCOMPARE(form.Index2->SelectedRow(), -1);
  }

  void StartsWithEmptyEntriesAndZeroStores() {
    const auto& form = driver_->form1;
    QCOMPARE(form.Nombre1->text(), QString());
    QCOMPARE(form.Result->text(), QString());
    QCOMPARE(form.Calc->text(), QString());
    for (const QLineEdit* store : {form.mem, form.X1, form.Y1, form.Z1})
      QCOMPARE(store->text(), QStringLiteral("0"));
    QVERIFY(form.Deg->isChecked());
    QVERIFY(!form.Rad->isChecked());
    QVERIFY(!form.Grad->isChecked());
    QVERIFY(!driver_->form2.isVisible());
    QVERIFY(driver_->boxes.empty());
  }

  void StartsWithTheFrenchCaptions() {
    const auto& form = driver_->form1;
    QCOMPARE(form.Button1->text(), QStringLiteral("Quitter"));
    QCOMPARE(form.Button2->text(), QStringLiteral("Calculer"));
    QCOMPARE(form.Button22->text(), QStringLiteral("Saisir Résultat"));
    QCOMPARE(form.Button23->text(), QStringLiteral("Coller"));
    QCOMPARE(form.Label2->text(), QStringLiteral("Nombre à convertir"));
    QCOMPARE(form.Label3->text(), QStringLiteral("À"));
    QCOMPARE(form.Label4->text(), QStringLiteral("DE"));
    QCOMPARE(form.Label5->text(), QStringLiteral("Résultat"));
    const QStringList tabs = form.TabControl1->Captions();
    QCOMPARE(tabs.size(), 18);
    QCOMPARE(tabs.first(), QStringLiteral("Température"));
    QCOMPARE(tabs.at(6), QStringLiteral("Pression"));
    QCOMPARE(tabs.last(), QStringLiteral("Angles"));
    QVERIFY(form.windowTitle().startsWith(QStringLiteral("Vaneko 2.0 par ")));
    QVERIFY(form.windowTitle().size() > QStringLiteral("Vaneko 2.0 par ").size());
  }

  void CarriesItsPictures() {
    const auto& form = driver_->form1;
    for (const char* name : {"Image1", "Image2"}) {
      const auto* image = form.Panel5->findChild<QLabel*>(name);
      QVERIFY(image != nullptr);
      QCOMPARE(image->pixmap().size(), QSize(32, 32));
    }
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.windowIcon().availableSizes().value(0), QSize(32, 32));
  }

  // Places in the window's client area; controls inside the tab control and the about panel
  // add their parents' offsets.
  void PlacesTheControlsOfTheLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("number") << "Nombre1" << QRect(59, 24, 161, 21);
    QTest::newRow("result") << "Result" << QRect(243, 24, 177, 21);
    QTest::newRow("compute") << "Button2" << QRect(427, 24, 97, 25);
    QTest::newRow("sign") << "Button44" << QRect(11, 21, 32, 25);
    QTest::newRow("tabs") << "TabControl1" << QRect(8, 50, 563, 601);
    QTest::newRow("calculator") << "Panel1" << QRect(572, 0, 707, 651);
    QTest::newRow("from-list") << "Index1" << QRect(8 + 16, 50 + 78, 231, 508);
    QTest::newRow("to-list") << "Index2" << QRect(8 + 256, 50 + 78, 175, 507);
    QTest::newRow("quit") << "Button1" << QRect(8 + 448, 50 + 432, 105, 41);
    QTest::newRow("keypad 0") << "Button47" << QRect(8 + 453, 50 + 143, 32, 25);
    QTest::newRow("keypad C") << "Button50" << QRect(8 + 487, 50 + 170, 32, 25);
    QTest::newRow("keypad 9") << "Button59" << QRect(8 + 521, 50 + 59, 33, 25);
    QTest::newRow("circle") << "Button157" << QRect(8 + 447, 50 + 378, 106, 39);
    QTest::newRow("about") << "Panel5" << QRect(8 + 440, 50 + 205, 115, 166);
    QTest::newRow("English") << "Button3" << QRect(8 + 440 + 30, 50 + 205 + 140, 57, 25);
    QTest::newRow("entry") << "Calc" << QRect(572 + 22, 41, 185, 23);
    QTest::newRow("memory") << "mem" << QRect(572 + 194, 590, 227, 23);
  }

  void PlacesTheControlsOfTheLayout() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    const QWidget* client = driver_->form1.Client;
    const auto* control = client->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    const QRect shown(control->mapTo(client, QPoint(0, 0)), control->size());
    QCOMPARE(shown, place);
  }

  void KeypadReadsInItsLayoutOrder() {
    // Row by row: "5" "8" "9"; "4" "6" "7"; "1" "2" "3"; "0" "," "<<"; "C" in the middle.
    const QStringList grid{"5", "8", "9", "4", "6", "7", "1", "2", "3", "0", ",", "<<"};
    QStringList shown;
    for (int top : {59, 87, 114, 143})
      for (int left : {453, 487, 521})
        shown.append(
            qobject_cast<QPushButton*>(driver_->form1.TabControl1->childAt(left + 5, top + 5))
                ->text());
    QCOMPARE(shown, grid);
    QCOMPARE(driver_->ConverterKey("C")->geometry().topLeft(), QPoint(487, 170));
  }

  void TabKeyFollowsTheLayoutOrder() {
    auto& form = driver_->form1;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Nombre1->setFocus();
    const QStringList expected{"Result",   "Button2",  "TabControl1", "Index1",   "Index2",
                               "Button4",  "Button3",  "Button1",     "Button47", "Button48",
                               "Button49", "Button50", "Button51",    "Button52", "Button53",
                               "Button54", "Button55", "Button56",    "Button57", "Button58",
                               "Button59", "Button157"};
    QStringList visited;
    for (qsizetype step = 0; step < expected.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
    // Then the calculator panel, first its top row, and the sign key last of all. The
    // unchecked angle buttons "Rad" and "Grad" (top 6) take no Tab stop, so the first is
    // "Saisir Résultat" (top 9), and the angle group is entered at its checked "Deg".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form.Panel1->isAncestorOf(QApplication::focusWidget()));
    QCOMPARE(QApplication::focusWidget(), form.Button22);
    form.Nombre1->setFocus();
    QTest::keyClick(form.Nombre1, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.Button44);
  }

  // Runs last: it ends the event loop of the program.
  void QuitEndsTheProgramEvenWithTheCircleWindowOpen() {
    driver_->Click(driver_->ConverterKey(QStringLiteral("Radians / Degres")));
    QVERIFY(driver_->form2.isVisible());
    // "Quitter" is pressed once the event loop runs; the loop must then end by itself. The
    // guard only keeps a failing run from waiting for ever.
    bool guardFired = false;
    QTimer::singleShot(0, &driver_->form1, [this] {
      driver_->Click(driver_->ConverterKey(QStringLiteral("Quitter")));
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [&guardFired] {
      guardFired = true;
      QCoreApplication::exit(1);
    });
    guard.start(30000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!guardFired);
    QVERIFY(!driver_->form1.isVisible());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
