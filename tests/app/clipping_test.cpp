// Nothing clipped, nothing cut short: list rows draw accents and descenders whole, long food
// names show whole as tooltips, message boxes fit their title and the screen, and the window
// fits the work area.
#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>
#include <QToolTip>
#include <memory>

#include "app/message_box.h"
#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::BoxText;
using vaneko::app::Form1Driver;
using vaneko::app::MakeMessageBox;
using vaneko::app::TForm1;
using vaneko::app::UnitListBox;

namespace {

constexpr int kRowHeight = 13;
constexpr int kMargin = 10;  // blank drawn around the row, where no ink may fall

struct Ink {
  int top = -1;     // first row of the image holding ink, -1 for none
  int bottom = -1;  // last one
};

// The rows of `picture` that hold ink (anything not white).
Ink InkOf(const QImage& picture) {
  Ink ink;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
        if (ink.top < 0) ink.top = y;
        ink.bottom = y;
        break;
      }
  return ink;
}

// Draws `text` as a row of `list` would, at y = kMargin in a white picture with room above and
// below, and finds the rows of the picture that hold ink.
Ink DrawRow(const UnitListBox& list, const QString& text) {
  QStandardItemModel model;
  model.appendRow(new QStandardItem(text));
  QStyleOptionViewItem option;
  option.initFrom(&list);
  option.widget = &list;
  option.font = list.font();
  option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  option.rect = QRect(0, kMargin, list.viewport()->width(), kRowHeight);
  QImage picture(option.rect.width(), kRowHeight + 2 * kMargin, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    list.itemDelegate()->paint(&painter, option, model.index(0, 0));
  }
  return InkOf(picture);
}

// Draws `text` in `font` with its baseline `baseline` pixels below the row's top, without any
// clipping, in a picture as large as DrawRow's.
Ink DrawUnclipped(const QString& text, const QFont& font, int baseline, int width) {
  QImage picture(width, kRowHeight + 2 * kMargin, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(4, kMargin + baseline), text);
  }
  return InkOf(picture);
}

QString Repeated(const QString& piece, int times) {
  QString text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

}  // namespace

class ClippingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { driver_ = std::make_unique<Form1Driver>(); }
  void cleanup() { driver_.reset(); }

  void RowsDrawAccentsAndDescendersWhole_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("plain");  // the same without accent or descender
    QTest::newRow("Échalote") << "Échalote hachée"
                              << "Echalote hachee";
    QTest::newRow("Écorce") << "Écorce citron râpée"
                            << "Ecorce citron rapee";
    QTest::newRow("Épinard") << "Épinard"
                             << "Eminard";
    QTest::newRow("À") << "À"
                       << "A";
    QTest::newRow("descenders") << "gjpqy"
                                << "acmnu";
    QTest::newRow("parentheses") << "Débit (Masse)"
                                 << "Debit Masse";
  }

  void RowsDrawAccentsAndDescendersWhole() {
    QFETCH(QString, text);
    QFETCH(QString, plain);
    const UnitListBox& list = *driver_->form1.Index1;
    const Ink ink = DrawRow(list, text);
    const Ink without = DrawRow(list, plain);
    QVERIFY(ink.top >= 0);
    // The row shows all the ink the text has when drawn without any clipping.
    const vaneko::app::RowFont row = vaneko::app::FitRowFont(list.font(), kRowHeight);
    const Ink whole = DrawUnclipped(text, row.font, row.baseline, list.viewport()->width());
    QCOMPARE(ink.top, whole.top);
    QCOMPARE(ink.bottom, whole.bottom);
    // The layout's font is kept where it fits.
    QVERIFY(row.font.pixelSize() >= list.font().pixelSize() - 2);
    // Inside the row...
    QVERIFY2(ink.top >= kMargin, qPrintable(QString::number(ink.top)));
    QVERIFY2(ink.bottom < kMargin + kRowHeight, qPrintable(QString::number(ink.bottom)));
    // ...and the accent or descender drawn: the ink reaches further than without it.
    QVERIFY(ink.top < without.top || ink.bottom > without.bottom);
  }

  void AccentedNamesOfTheFoodListAreDrawnWhole() {
    driver_->ClickTab(5);
    const UnitListBox& list = *driver_->form1.Index1;
    int checked = 0;
    for (const QString& name : Form1Driver::Items(&list)) {
      if (name.isEmpty() || !QStringLiteral("ÉÈÊÀÂÔÇ").contains(name.front())) continue;
      const Ink ink = DrawRow(list, name);
      QVERIFY2(ink.top >= kMargin && ink.bottom < kMargin + kRowHeight, qPrintable(name));
      ++checked;
    }
    QVERIFY(checked >= 3);  // "Échalote hachée", "Écorce ...", "Épinard" at least
  }

  // The widths leave no doubt whatever the font: 40 characters never fit in 60 pixels, and
  // always in 600.
  void LongFoodNamesShowWholeAsTooltip_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("cut");
    QTest::newRow("longest, narrow list")
        << "Farine blé blanche à gâteau non tamisée" << 60 << true;
    QTest::newRow("long, narrow list") << "Beurre arachides avec gras sel et sucre" << 60 << true;
    QTest::newRow("longest, wide list")
        << "Farine blé blanche à gâteau non tamisée" << 600 << false;
    QTest::newRow("short, layout width") << "Épinard" << 0 << false;
    QTest::newRow("short with blank, layout width") << "Asperge " << 0 << false;
  }

  void LongFoodNamesShowWholeAsTooltip() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(bool, cut);
    driver_->ClickTab(5);
    UnitListBox& list = *driver_->form1.Index1;
    if (width > 0) list.resize(width, list.height());
    QCoreApplication::processEvents();  // the view lays itself out again
    const int row = static_cast<int>(Form1Driver::Items(&list).indexOf(name));
    QVERIFY(row >= 0);
    list.scrollToItem(list.item(row));
    const QPoint at = list.visualItemRect(list.item(row)).center();
    QToolTip::hideText();
    QHelpEvent help(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &help);
    if (cut) {
      QVERIFY(QToolTip::isVisible());
      // The whole name, then the food's definition on the next line.
      QCOMPARE(QToolTip::text().section(u'\n', 0, 0), name);
    } else {
      QVERIFY(!QToolTip::isVisible() || QToolTip::text() != name);
    }
    // A screen reader reads the whole name in any case, without its trailing blank.
    QAccessibleInterface* listInterface = QAccessible::queryAccessibleInterface(&list);
    QVERIFY(listInterface != nullptr);
    bool found = false;
    for (int child = 0; child < listInterface->childCount() && !found; ++child) {
      QAccessibleInterface* item = listInterface->child(child);
      found = item != nullptr && item->text(QAccessible::Name) == name.trimmed();
    }
    QVERIFY(found);
    QToolTip::hideText();
  }

  void BoxTextShortensLongQuotedTexts_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    const QString tail = QStringLiteral("' is not a valid floating point value.");
    const QString a28 = Repeated("a", 28);
    const QString z28 = Repeated("z", 28);
    QTest::newRow("short message") << "Division par 0"
                                   << "Division par 0";
    QTest::newRow("short quote") << "'1.5" + tail << "'1.5" + tail;
    QTest::newRow("64 characters kept")
        << "'" + Repeated("b", 64) + tail << "'" + Repeated("b", 64) + tail;
    QTest::newRow("65 characters shortened")
        << "'" + a28 + Repeated("m", 9) + z28 + tail << "'" + a28 + u'…' + z28 + tail;
    QTest::newRow("32767 characters")
        << "'" + a28 + Repeated("m", 32767 - 56) + z28 + tail << "'" + a28 + u'…' + z28 + tail;
    QTest::newRow("quote inside the text")
        << "'" + a28 + "'" + Repeated("m", 60) + "'" + z28 + tail << "'" + a28 + u'…' + z28 + tail;
    // 😀 is one character made of two UTF-16 units; it is never split.
    QTest::newRow("characters beyond 16 bits")
        << "'" + Repeated("😀", 100) + tail
        << "'" + Repeated("😀", 28) + u'…' + Repeated("😀", 28) + tail;
    QTest::newRow("unquoted long text")
        << Repeated("x", 300) + Repeated("y", 100) + Repeated("z", 300)
        << Repeated("x", 280) + u'…' + Repeated("z", 280);
    QTest::newRow("lone quote") << "l'" + Repeated("e", 100) << "l'" + Repeated("e", 100);
  }

  void BoxTextShortensLongQuotedTexts() {
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(BoxText(message), shown);
  }

  void BoxesFitTheirTitleAndTheScreen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("critical");
    QTest::newRow("Division par 0") << "Division par 0" << false;
    QTest::newRow("short error") << "'1.5' is not a valid floating point value." << true;
    QTest::newRow("32767 characters")
        << "'" + Repeated("7", 32767) + "' is not a valid floating point value." << true;
    QTest::newRow("long text with blanks") << Repeated("word ", 4000) << true;
  }

  void BoxesFitTheirTitleAndTheScreen() {
    QFETCH(QString, text);
    QFETCH(bool, critical);
    const std::unique_ptr<QMessageBox> box =
        MakeMessageBox(&driver_->form1, QStringLiteral("Vaneko"), text, critical);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QCOMPARE(box->windowTitle(), QStringLiteral("Vaneko"));
    QCOMPARE(box->icon(), critical ? QMessageBox::Critical : QMessageBox::NoIcon);
    // Room for the title in a bold title-bar font, a window icon and three frame buttons.
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    QVERIFY(box->width() >= QFontMetrics(bold).horizontalAdvance("Vaneko") + 4 * 24);
    const QRect screen = box->screen()->availableGeometry();
    QVERIFY2(box->frameGeometry().height() <= screen.height(),
             qPrintable(QString::number(box->frameGeometry().height())));
    QVERIFY(box->frameGeometry().width() <= screen.width());
    box->close();
  }

  // Run on the default test screen and on a 1600 x 900 screen at scale factor 2 (800 x 450).
  void WindowFitsTheWorkArea() {
    auto& form = driver_->form1;
    const QRect area = form.screen()->availableGeometry();
    const QRect window = form.frameGeometry();
    QCOMPARE(window.topLeft(), area.topLeft());
    QCOMPARE(window.width(), area.width());
    // The client area as high as the layout, or the window as high as the work area.
    QVERIFY(window.height() <= area.height());
    QVERIFY(form.viewport()->height() >= form.Client->height() || window.height() == area.height());
    // What does not fit scrolls, and the scroll bars lie on the screen.
    const bool tooLow = form.viewport()->height() < form.Client->height();
    QCOMPARE(form.verticalScrollBar()->maximum() > 0, tooLow);
    if (tooLow) {
      QVERIFY(form.verticalScrollBar()->isVisible());
      const QRect bar(form.verticalScrollBar()->mapToGlobal(QPoint(0, 0)),
                      form.verticalScrollBar()->size());
      QVERIFY(area.contains(bar));
    }
  }

 private:
  std::unique_ptr<Form1Driver> driver_;
};

QTEST_MAIN(ClippingTest)
#include "clipping_test.moc"
