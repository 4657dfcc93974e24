// The category tab control: tabs on several rows, the selected row next to the page, selection
// by mouse and keyboard, and captions rebuilt without a change event.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;
using vaneko::app::MultiRowTabControl;

namespace {

// The tabs of one row share their top edge.
QList<int> RowTops(const MultiRowTabControl& tabs) {
  QList<int> tops;
  for (int index = 0; index < tabs.Captions().size(); ++index) {
    const int top = tabs.TabRect(index).top();
    if (!tops.contains(top)) tops.append(top);
  }
  std::sort(tops.begin(), tops.end());
  return tops;
}

}  // namespace

class TabControlTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void TabsFillRowsInsideTheControl() {
    const MultiRowTabControl& tabs = *driver_->form1.TabControl1;
    QVERIFY(tabs.RowCount() >= 2);
    QCOMPARE(RowTops(tabs).size(), tabs.RowCount());
    for (int index = 0; index < tabs.Captions().size(); ++index) {
      const QRect tab = tabs.TabRect(index);
      QVERIFY2(tabs.rect().contains(tab), qPrintable(tabs.Captions()[index]));
      // Wide enough for its caption.
      QVERIFY(tab.width() > tabs.fontMetrics().horizontalAdvance(tabs.Captions()[index]));
      for (int other = 0; other < index; ++other) QVERIFY(!tab.intersects(tabs.TabRect(other)));
    }
    // The labels and lists sit below the rows.
    QVERIFY(tabs.PageTop() <= driver_->form1.Label4->y());
  }

  void SelectedRowMovesNextToThePage_data() {
    QTest::addColumn<int>("tab");
    for (int tab : {0, 9, 17}) QTest::newRow(qPrintable(QString::number(tab))) << tab;
  }

  void SelectedRowMovesNextToThePage() {
    QFETCH(int, tab);
    MultiRowTabControl& tabs = *driver_->form1.TabControl1;
    driver_->ClickTab(tab);
    QCOMPARE(tabs.CurrentIndex(), tab);
    QCOMPARE(tabs.TabRect(tab).top(), RowTops(tabs).last());
    QCOMPARE(tabs.TabRect(tab).bottom() + 1, tabs.PageTop());
  }

  void ClickOnTheSelectedTabChangesNothing() {
    MultiRowTabControl& tabs = *driver_->form1.TabControl1;
    QSignalSpy changes(&tabs, &MultiRowTabControl::TabChanged);
    driver_->ClickTab(0);
    QCOMPARE(changes.count(), 0);
    driver_->ClickTab(3);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toInt(), 3);
  }

  void ArrowKeysSelectTheNeighbouringTab() {
    auto& form = driver_->form1;
    form.TabControl1->setFocus();
    QTest::keyClick(form.TabControl1, Qt::Key_Right);
    QCOMPARE(form.TabControl1->CurrentIndex(), 1);
    QCOMPARE(Form1Driver::Items(form.Index1).first(), QStringLiteral("Pouce"));
    QTest::keyClick(form.TabControl1, Qt::Key_End);
    QCOMPARE(form.TabControl1->CurrentIndex(), 17);
    QTest::keyClick(form.TabControl1, Qt::Key_Right);
    QCOMPARE(form.TabControl1->CurrentIndex(), 17);
    QTest::keyClick(form.TabControl1, Qt::Key_Left);
    QCOMPARE(form.TabControl1->CurrentIndex(), 16);
    QTest::keyClick(form.TabControl1, Qt::Key_Home);
    QCOMPARE(form.TabControl1->CurrentIndex(), 0);
    QCOMPARE(Form1Driver::Items(form.Index1).first(), QStringLiteral("Celcius"));
  }

  void ProgramChangesRaiseNoChangeEvent() {
    MultiRowTabControl& tabs = *driver_->form1.TabControl1;
    QSignalSpy changes(&tabs, &MultiRowTabControl::TabChanged);
    tabs.SetCurrentIndex(5);
    QStringList captions = tabs.Captions();
    captions.first() = QStringLiteral("Temperature");
    tabs.SetCaptions(captions);
    QCOMPARE(tabs.CurrentIndex(), 5);
    QCOMPARE(tabs.Captions().first(), QStringLiteral("Temperature"));
    QCOMPARE(changes.count(), 0);
  }
};

QTEST_MAIN(TabControlTest)
#include "tab_control_test.moc"
