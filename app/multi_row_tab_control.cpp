#include "app/multi_row_tab_control.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

#include "app/window_accessible.h"

namespace vaneko::app {

namespace {

constexpr int kTabPaddingX = 6;   // blank on either side of a caption
constexpr int kTabPaddingY = 1;   // blank above and below a caption
constexpr int kSelectedLift = 2;  // the selected tab stands this much above its row
constexpr int kRowMargin = 2;     // blank at both ends of a row

// The key sequences of the desktop's "next tab" and "previous tab", each once: a sequence bound
// twice in one window would make both bindings ambiguous, and neither would act.
QList<QKeySequence> Unique(QList<QKeySequence> sequences) {
  QList<QKeySequence> unique;
  for (const QKeySequence& sequence : sequences)
    if (!sequence.isEmpty() && !unique.contains(sequence)) unique.append(sequence);
  return unique;
}

QList<QKeySequence> NextTabKeys() {
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::NextChild);
  keys.append(QKeySequence(Qt::CTRL | Qt::Key_Tab));
  return Unique(keys);
}

// Shift+Tab arrives as Backtab on most platforms and as Tab with Shift on others.
QList<QKeySequence> PreviousTabKeys() {
  QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::PreviousChild);
  keys.append(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
  keys.append(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab));
  return Unique(keys);
}

}  // namespace

MultiRowTabControl::MultiRowTabControl(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  InstallWindowAccessibility();
  auto* next = new QShortcut(this);
  next->setKeys(NextTabKeys());
  next->setContext(Qt::WindowShortcut);
  connect(next, &QShortcut::activated, this, [this] { SelectNeighbourWrapping(1); });
  auto* previous = new QShortcut(this);
  previous->setKeys(PreviousTabKeys());
  previous->setContext(Qt::WindowShortcut);
  connect(previous, &QShortcut::activated, this, [this] { SelectNeighbourWrapping(-1); });
}

void MultiRowTabControl::SetCaptions(const QStringList& captions) {
  captions_ = captions;
  if (captions_.isEmpty())
    current_ = -1;
  else if (current_ < 0 || current_ >= captions_.size())
    current_ = 0;
  Relayout();
  if (QAccessible::isActive()) {
    // The tabs keep their places; what a screen reader shows of them is their new names.
    for (int index = 0; index < captions_.size(); ++index) {
      QAccessibleEvent renamed(this, QAccessible::NameChanged);
      renamed.setChild(index);
      QAccessible::updateAccessibility(&renamed);
    }
  }
  update();
}

void MultiRowTabControl::SetCurrentIndex(int index) {
  if (index < 0 || index >= captions_.size() || index == current_) return;
  current_ = index;
  const int rowsBefore = RowCount();
  Relayout();
  AnnounceCurrent();
  // Only the rows of tabs change: the page and the controls on it repaint themselves when their
  // contents change, so they need not be drawn again here.
  if (RowCount() == rowsBefore) {
    update(0, 0, width(), PageTop() + 2);
  } else {
    update();
  }
}

QRect MultiRowTabControl::TabRect(int index) const {
  if (index < 0 || index >= rects_.size()) return {};
  return rects_[index];
}

int MultiRowTabControl::PageTop() const {
  return kSelectedLift + RowCount() * TabHeight();
}

QSize MultiRowTabControl::sizeHint() const {
  return {400, PageTop() + 100};
}

int MultiRowTabControl::TabHeight() const {
  return fontMetrics().height() + 2 * kTabPaddingY;
}

int MultiRowTabControl::RowOf(int index) const {
  for (int row = 0; row < rows_.size(); ++row)
    if (index >= rows_[row].first && index < rows_[row].first + rows_[row].count) return row;
  return 0;
}

void MultiRowTabControl::Relayout() {
  rows_.clear();
  rects_.fill(QRect(), captions_.size());
  if (captions_.isEmpty()) return;

  const QFontMetrics metrics = fontMetrics();
  QVector<int> natural;
  natural.reserve(captions_.size());
  for (const QString& caption : captions_)
    natural.append(metrics.horizontalAdvance(caption) + 2 * kTabPaddingX);

  // Fill the rows in tab order, each with as many tabs as fit.
  const int available = qMax(1, width() - 2 * kRowMargin);
  for (int index = 0; index < captions_.size();) {
    Row row{index, 0};
    int used = 0;
    while (index < captions_.size() && (row.count == 0 || used + natural[index] <= available)) {
      used += natural[index];
      ++row.count;
      ++index;
    }
    rows_.append(row);
  }

  // The selected tab's row goes next to the page; the rows after it stack above, in turn.
  const int rowCount = RowCount();
  const int height = TabHeight();
  const int selectedRow = RowOf(current_);
  for (int line = 0; line < rowCount; ++line) {
    const Row& row = rows_[(selectedRow + line) % rowCount];
    const int top = kSelectedLift + (rowCount - 1 - line) * height;
    int used = 0;
    for (int tab = 0; tab < row.count; ++tab) used += natural[row.first + tab];
    // With several rows every row is stretched to the full width.
    const int extra = rowCount > 1 ? available - used : 0;
    int left = kRowMargin;
    for (int tab = 0; tab < row.count; ++tab) {
      const int index = row.first + tab;
      const int width = natural[index] + extra * (tab + 1) / row.count - extra * tab / row.count;
      rects_[index] = QRect(left, top, width, height);
      left += width;
    }
  }
}

void MultiRowTabControl::SelectByUser(int index) {
  if (index < 0 || index >= captions_.size() || index == current_) return;
  SetCurrentIndex(index);
  emit TabChanged(index);
}

void MultiRowTabControl::SelectNeighbourWrapping(int step) {
  const int count = static_cast<int>(captions_.size());
  if (count == 0) return;
  SelectByUser(((current_ + step) % count + count) % count);
}

void MultiRowTabControl::AnnounceCurrent() {
  if (!QAccessible::isActive() || current_ < 0 || current_ >= captions_.size()) return;
  // Tab `current_` is child `current_` of the control's accessible interface.
  if (hasFocus()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
  }
  QAccessibleEvent selection(this, QAccessible::Selection);
  selection.setChild(current_);
  QAccessible::updateAccessibility(&selection);
}

void MultiRowTabControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);

  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = QRect(0, PageTop(), width(), height() - PageTop());
  frame.shape = QTabBar::RoundedNorth;
  frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  frame.selectedTabRect = TabRect(current_);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);

  auto drawTab = [&](int index) {
    const Row& row = rows_[RowOf(index)];
    QStyleOptionTab tab;
    tab.initFrom(this);
    tab.shape = QTabBar::RoundedNorth;
    tab.features |= QStyleOptionTab::HasFrame;
    tab.rect = rects_[index];
    tab.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (row.count == 1)
      tab.position = QStyleOptionTab::OnlyOneTab;
    else if (index == row.first)
      tab.position = QStyleOptionTab::Beginning;
    else if (index == row.first + row.count - 1)
      tab.position = QStyleOptionTab::End;
    else
      tab.position = QStyleOptionTab::Middle;
    const bool selected = index == current_;
    if (selected) {
      tab.state |= QStyle::State_Selected;
      tab.rect.adjust(0, -kSelectedLift, 0, 0);
    }
    style()->drawControl(QStyle::CE_TabBarTabShape, &tab, &painter, this);

    // The caption, centred in the tab; the style's own label padding is wider than a tab has.
    const QRect text =
        selected ? tab.rect.adjusted(0, 0, 0, -kSelectedLift) : tab.rect.translated(0, 1);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, captions_[index]);
    if (selected && hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      const int captionWidth = fontMetrics().horizontalAdvance(captions_[index]);
      focus.rect = QRect(0, 0, captionWidth + 4, text.height() - 2);
      focus.rect.moveCenter(text.center());
      style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
  };
  for (int index = 0; index < captions_.size(); ++index)
    if (index != current_) drawTab(index);
  if (current_ >= 0 && current_ < captions_.size()) drawTab(current_);
}

void MultiRowTabControl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPoint point = event->position().toPoint();
  // The selected tab is drawn over its neighbours, so it is hit first.
  if (TabRect(current_).adjusted(0, -kSelectedLift, 0, 0).contains(point)) return;
  for (int index = 0; index < rects_.size(); ++index) {
    if (rects_[index].contains(point)) {
      SelectByUser(index);
      return;
    }
  }
  QWidget::mousePressEvent(event);
}

void MultiRowTabControl::mouseReleaseEvent(QMouseEvent* event) {
  // The press already selected the tab; the release belongs to it.
  if (event->button() == Qt::LeftButton)
    event->accept();
  else
    QWidget::mouseReleaseEvent(event);
}

void MultiRowTabControl::keyPressEvent(QKeyEvent* event) {
  // A key that a list, a button or a field on the page leaves unused bubbles up to here; only
  // a key pressed while the tab control itself has the focus may select a tab.
  if (!hasFocus()) {
    QWidget::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      SelectByUser(current_ - 1);
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      SelectByUser(current_ + 1);
      break;
    case Qt::Key_Home:
      SelectByUser(0);
      break;
    case Qt::Key_End:
      SelectByUser(static_cast<int>(captions_.size()) - 1);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void MultiRowTabControl::resizeEvent(QResizeEvent* event) {
  Relayout();
  QWidget::resizeEvent(event);
}

void MultiRowTabControl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Relayout();
  QWidget::changeEvent(event);
}

void MultiRowTabControl::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
  // A screen reader follows the focus to the selected tab.
  if (QAccessible::isActive() && current_ >= 0 && current_ < captions_.size()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
  }
}

void MultiRowTabControl::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

}  // namespace vaneko::app
