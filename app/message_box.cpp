#include "app/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace vaneko::app {

namespace {

// Room the window frame takes beside the title: its icon and its buttons.
constexpr int kTitleBarExtras = 160;

// `text` with its middle, past `kept` code points at either end, replaced by "…" when it is
// longer than `limit` code points.
QString ShortenMiddle(const QString& text, int limit, int kept) {
  const QList<uint> points = text.toUcs4();
  if (points.size() <= limit) return text;
  const QList<uint> head = points.first(kept);
  const QList<uint> tail = points.last(kept);
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(head.constData()), head.size()) +
         QChar(0x2026) +
         QString::fromUcs4(reinterpret_cast<const char32_t*>(tail.constData()), tail.size());
}

}  // namespace

QString BoxText(const QString& message) {
  QString text = message;
  const qsizetype open = text.indexOf(QLatin1Char('\''));
  const qsizetype close = text.lastIndexOf(QLatin1Char('\''));
  if (open >= 0 && close > open) {
    const QString quoted = text.mid(open + 1, close - open - 1);
    text = text.left(open + 1) + ShortenMiddle(quoted, kQuotedLimit, kQuotedKept) + text.mid(close);
  }
  return ShortenMiddle(text, kMessageLimit, kMessageKept);
}

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title,
                                            const QString& text, bool critical) {
  auto box = std::make_unique<QMessageBox>(critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                                           title, BoxText(text), QMessageBox::Ok, parent);
  // The box sizes itself to its text; a short text would leave too little room for the title
  // in the frame, which would then show "...". A spacer across the grid keeps it wide enough.
  QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  titleFont.setBold(true);
  const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarExtras;
  if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
    grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  return box;
}

void ShowModalMessageBox(QWidget* parent, const QString& title, const QString& text,
                         bool critical) {
  MakeMessageBox(parent, title, text, critical)->exec();
}

}  // namespace vaneko::app
