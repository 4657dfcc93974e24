// The main window on screens of several sizes and scales (one run per screen, see
// CMakeLists.txt): it lies at the top of the work area, as wide as it, and its client area
// holds the whole layout wherever the work area is tall enough, with no scroll bar; on a
// smaller work area what does not fit scrolls, and moving the focus scrolls only as far as it
// takes to show the focused control.
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "app/form1_layout.h"
#include "app/multi_row_tab_control.h"
#include "form1_driver.h"

namespace vaneko::app {

class WindowFitTest : public Form1Test {
  Q_OBJECT

  // The part of the client area in view, in the client's coordinates.
  static QRect InView(const TForm1& form) {
    return QRect(QPoint(form.horizontalScrollBar()->value(), form.verticalScrollBar()->value()),
                 form.viewport()->size());
  }

  // Where the focused control is, or for the tab control its selected tab.
  static QRect FocusPlace(const TForm1& form) {
    QWidget* focused = QApplication::focusWidget();
    const auto* tabs = qobject_cast<const MultiRowTabControl*>(focused);
    const QRect place = tabs != nullptr ? tabs->TabRect(tabs->CurrentIndex()) : focused->rect();
    return place.translated(focused->mapTo(form.Client, QPoint(0, 0)));
  }

 private slots:
  void WindowLiesAtTheTopOfTheWorkAreaAsWideAsIt() {
    TForm1& form = driver_->form1;
    const QRect area = form.screen()->availableGeometry();
    QCOMPARE(form.frameGeometry().topLeft(), area.topLeft());
    QCOMPARE(form.frameGeometry().width(), area.width());
    QVERIFY(form.frameGeometry().height() <= area.height());
  }

  void ScrollBarsShowOnlyWhereTheLayoutDoesNotFit() {
    TForm1& form = driver_->form1;
    const QRect area = form.screen()->availableGeometry();
    const int frameWidth = form.frameGeometry().width() - form.width();
    const int frameHeight = form.frameGeometry().height() - form.height();
    const bool wideEnough = area.width() - frameWidth >= kLayoutWidth;
    const int bar = form.horizontalScrollBar()->sizeHint().height();
    const bool tallEnough = area.height() - frameHeight >= kLayoutHeight + (wideEnough ? 0 : bar);
    QCOMPARE(form.horizontalScrollBar()->isVisible(), !wideEnough);
    QCOMPARE(form.verticalScrollBar()->isVisible(), !tallEnough);
    if (tallEnough) {
      // The whole layout is in view, and the window is no taller than it takes.
      QVERIFY(InView(form).contains(
          form.Client->rect()
              .adjusted(0, 0, wideEnough ? 0 : -1, 0)
              .intersected(QRect(0, 0, form.viewport()->width(), kLayoutHeight))));
      QCOMPARE(form.viewport()->height(), kLayoutHeight);
    } else {
      // The window fills the work area's height and the scroll bars lie on the screen.
      QCOMPARE(form.frameGeometry().height(), area.height());
      const QRect barPlace(form.verticalScrollBar()->mapToGlobal(QPoint(0, 0)),
                           form.verticalScrollBar()->size());
      QVERIFY(area.contains(barPlace));
    }
  }

  // Tab through every control twice round: a control already in view never scrolls the
  // window, and one out of view is scrolled just into view, no further.
  void FocusMovesScrollOnlyAsFarAsNeeded() {
    TForm1& form = driver_->form1;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Nombre1->setFocus();
    int scrolled = 0;
    for (int step = 0; step < 240; ++step) {
      const QRect before = InView(form);
      QTest::keyClick(QApplication::focusWidget(), step < 120 ? Qt::Key_Tab : Qt::Key_Backtab);
      const QRect place = FocusPlace(form);
      const QRect after = InView(form);
      const QString where = QStringLiteral("step %1, %2 at %3,%4 %5x%6")
                                .arg(step)
                                .arg(QApplication::focusWidget()->objectName())
                                .arg(place.x())
                                .arg(place.y())
                                .arg(place.width())
                                .arg(place.height());
      if (before.contains(place)) {
        QVERIFY2(after == before, qPrintable(where));
        continue;
      }
      ++scrolled;
      // In view now, as far as the view holds it, and touching an edge of the view: no
      // further than it takes.
      const QRect shown = after.intersected(place);
      QVERIFY2(shown.width() == qMin(place.width(), after.width()), qPrintable(where));
      QVERIFY2(shown.height() == qMin(place.height(), after.height()), qPrintable(where));
      const bool minimalX =
          after.x() == before.x() || after.left() == place.left() || after.right() == place.right();
      const bool minimalY =
          after.y() == before.y() || after.top() == place.top() || after.bottom() == place.bottom();
      QVERIFY2(minimalX && minimalY, qPrintable(where));
    }
    // Where the whole layout is in view, nothing ever scrolls.
    if (!form.verticalScrollBar()->isVisible() && !form.horizontalScrollBar()->isVisible())
      QCOMPARE(scrolled, 0);
  }

  // The designed case: after three Tabs the focus is on the category tabs, and on a screen
  // that holds the layout the labels above the fields stay in view.
  void ThirdTabKeepsTheLabelsInView() {
    TForm1& form = driver_->form1;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Nombre1->setFocus();
    for (int step = 0; step < 3; ++step) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form.TabControl1);
    if (!form.verticalScrollBar()->isVisible()) {
      QCOMPARE(form.verticalScrollBar()->value(), 0);
      QVERIFY(InView(form).contains(QRect(form.Label2->pos(), form.Label2->size())));
    }
  }
};

}  // namespace vaneko::app

QTEST_MAIN(vaneko::app::WindowFitTest)
#include "window_fit_test.moc"
