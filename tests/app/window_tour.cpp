// A scripted tour of the whole window: every tab, both languages, a conversion in each category,
// a run of calculator keys and the circle window, then "Quitter". Run under AddressSanitizer, it
// shows that nothing of ours leaks; in the ordinary suite it checks the tour's visible results.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

namespace vaneko::app {

class WindowTour : public QObject {
  Q_OBJECT

 private slots:
  void EveryTabBothLanguagesConversionsKeysAndTheCircleWindow() {
    Form1Driver driver;
    TForm1& form = driver.form1;
    for (QPushButton* language : {form.Button3, form.Button4}) {
      driver.Click(language);
      for (int tab = 0; tab < 18; ++tab) {
        // A conversion of 2 from the last unit to the second: every category has such a pair.
        driver.ClickTab(tab);
        QCOMPARE(form.TabControl1->CurrentIndex(), tab);
        const int last = form.Index1->count() - 1;
        driver.Convert(tab, QStringLiteral("2"), tab == 5 ? 24 : last, 1);
        QVERIFY2(!form.Result->text().isEmpty(), qPrintable(QString::number(tab)));
      }
    }
    QVERIFY(driver.boxes.empty());

    driver.ClickCalculatorKeys(
        {"2", "+", "3", "*", "4", "=", "Sin", "M", "Pi", "x^2", "X", "C", "8", "/", "0", "="});
    QCOMPARE(driver.boxes.size(), std::size_t{1});  // "Division par 0"
    QCOMPARE(form.Calc->text(), QStringLiteral("8"));

    driver.Click(form.Button157);
    QVERIFY(QTest::qWaitForWindowExposed(&driver.form2));
    driver.form2.close();
    QVERIFY(!driver.form2.isVisible());
    driver.Click(form.Button157);
    QVERIFY(driver.form2.isVisible());

    driver.Click(form.Button1);  // "Quitter"
    QVERIFY(!form.isVisible());
  }
};

}  // namespace vaneko::app

QTEST_MAIN(vaneko::app::WindowTour)
#include "window_tour.moc"
