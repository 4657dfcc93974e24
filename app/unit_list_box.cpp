#include "app/unit_list_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <optional>

#include "catalogue/unit_names.h"

namespace vaneko::app {

namespace {

// Characters that reach furthest above and below the baseline in the unit names: accented
// capitals, parentheses and the letters with descenders.
constexpr char16_t kTallestInk[] = u"ÉÈÊËÀÂÄÎÏÔÖÙÛÜÇ()[]gjpqy";

// Draws every item in a row of the list's fixed item height, in a font whose tallest accented
// capital and deepest descender fit in the row together, and cuts a name that is too long with
// "…". The item's own tooltip (its name and definition) shows when it has one; otherwise a cut
// name shows in full.
class UnitRowDelegate : public QStyledItemDelegate {
 public:
  UnitRowDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    const QWidget* widget = item.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();

    // The style draws the background, the selection and the focus frame; the text is ours.
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const RowFont& row = Fitted(option.font);
    const QRect area = TextArea(option);
    const QFontMetrics metrics(row.font);
    const QPalette::ColorGroup group = !(option.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (option.state & QStyle::State_Active) ? QPalette::Normal
                                                                               : QPalette::Inactive;
    const QPalette::ColorRole role =
        option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(row.font);
    painter->setPen(option.palette.color(group, role));
    painter->drawText(QPoint(area.left(), option.rect.top() + row.baseline),
                      metrics.elidedText(text, Qt::ElideRight, area.width()));
    painter->restore();
  }

  bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                 const QModelIndex& index) override {
    if (event == nullptr || view == nullptr || event->type() != QEvent::ToolTip)
      return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString defined = index.data(Qt::ToolTipRole).toString();
    if (!defined.isEmpty()) {
      QToolTip::showText(event->globalPos(), defined, view, option.rect);
      return true;
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(Fitted(option.font).font);
    if (metrics.horizontalAdvance(text) > TextArea(option).width()) {
      QToolTip::showText(event->globalPos(), text, view, option.rect);
    } else {
      QToolTip::hideText();
    }
    return true;
  }

 private:
  // The text's room in a row: the row less the style's margin on either side.
  static QRect TextArea(const QStyleOptionViewItem& option) {
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return option.rect.adjusted(margin, 0, -margin, 0);
  }

  // The fitted font of the list's font, worked out once per font.
  const RowFont& Fitted(const QFont& font) const {
    if (!fitted_ || fittedFor_ != font) {
      fitted_ = FitRowFont(font, height_);
      fittedFor_ = font;
    }
    return *fitted_;
  }

  int height_;
  mutable std::optional<RowFont> fitted_;
  mutable QFont fittedFor_;
};

}  // namespace

RowFont FitRowFont(const QFont& font, int rowHeight) {
  const QString tallest = QString::fromUtf16(kTallestInk);
  QFont candidate = font;
  const int largest = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  for (int size = largest; size >= 1; --size) {
    candidate.setPixelSize(size);
    const QRect ink = QFontMetrics(candidate).tightBoundingRect(tallest);
    if (ink.height() <= rowHeight || size == 1) {
      // The ink is centred in the row: from `ink.top()` above the baseline to its bottom.
      const int above = -ink.top();
      return {candidate, above + (rowHeight - ink.height()) / 2};
    }
  }
  return {candidate, rowHeight};
}

UnitListBox::UnitListBox(int itemHeight, QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setItemDelegate(new UnitRowDelegate(itemHeight, this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(this, &QListWidget::itemSelectionChanged, this, &UnitListBox::OnSelectionChanged);
}

int UnitListBox::SelectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void UnitListBox::ShowItems(const std::vector<std::string_view>& items, int selected) {
  const QSignalBlocker blocker(this);
  if (items != shown_) {
    // One insertion for all the lines: the view lays itself out once, not once per line.
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string_view item : items)
      texts.append(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    clear();
    addItems(texts);
    shown_ = items;
    defined_.reset();
    folded_.clear();
    typed_.clear();  // a search under way was for the units no longer shown
  }
  if (selected >= 0 && selected < count()) {
    if (SelectedRow() != selected) setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
  } else if (SelectedRow() != -1) {
    clearSelection();
  }
}

void UnitListBox::ShowDefinitions(int tab, catalogue::Language language, catalogue::ListSide side) {
  const DefinedList list{tab, language, side};
  if (defined_ == list) return;
  defined_ = list;
  for (int row = 0; row < count(); ++row) {
    const std::string definition = catalogue::UnitDefinition(tab, row, language, side);
    // The name as the list has it, without the blanks some names end with.
    const QString name = item(row)->text().trimmed();
    item(row)->setToolTip(definition.empty() ? QString()
                                             : name + u'\n' + QString::fromStdString(definition));
  }
}

QItemSelectionModel::SelectionFlags UnitListBox::selectionCommand(const QModelIndex& index,
                                                                  const QEvent*) const {
  // A click outside the items, or a toggle key, never takes the selection away.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void UnitListBox::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Home ||
                        key == Qt::Key_End || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
  const bool horizontal = key == Qt::Key_Left || key == Qt::Key_Right;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (horizontal && plain) {
    // A list of one column has nothing to the left or right.
    event->accept();
    return;
  }
  // A blank is part of a name while a type-ahead is under way ("mile p"); otherwise it is the
  // list's own key.
  if (key == Qt::Key_Space && plain && !typed_.isEmpty() && typedAt_.isValid() &&
      !typedAt_.hasExpired(QApplication::keyboardInputInterval())) {
    keyboardSearch(QStringLiteral(" "));
    event->accept();
    return;
  }
  // The first arrow key in a list without selection selects the item that has the focus.
  const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down;
  if (arrow && SelectedRow() == -1 && currentIndex().isValid()) {
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    return;
  }
  QListWidget::keyPressEvent(event);
  // The view leaves a moving key unused at the first or last item; it must not travel on to
  // the tab control or the window, where it would select a category or scroll.
  if (vertical && plain) event->accept();
}

void UnitListBox::keyboardSearch(const QString& search) {
  const bool continued = !search.isEmpty() && !typed_.isEmpty() && typedAt_.isValid() &&
                         !typedAt_.hasExpired(QApplication::keyboardInputInterval());
  typedAt_.start();
  typed_ = continued ? typed_ + search : search;
  const std::u32string typed = catalogue::FoldName(typed_.toStdString());
  if (typed.empty() || count() == 0) return;
  if (folded_.size() != static_cast<std::size_t>(count())) {
    folded_.clear();
    for (int row = 0; row < count(); ++row)
      folded_.push_back(catalogue::FoldName(item(row)->text().toStdString()));
  }
  // "kkk" goes from one unit starting with "k" to the next, as "k" typed three times apart.
  const bool sameLetter =
      typed.size() > 1 && typed.find_first_not_of(typed.front()) == std::u32string::npos;
  const std::u32string wanted = sameLetter ? typed.substr(0, 1) : typed;
  const int current = currentRow();
  const bool next = current < 0 || !continued || sameLetter;
  const int start = current < 0 ? 0 : next ? current + 1 : current;
  for (int step = 0; step < count(); ++step) {
    const int row = (start + step) % count();
    if (folded_[static_cast<std::size_t>(row)].starts_with(wanted)) {
      // A keyboard move: through the selection command, as an arrow key's.
      setCurrentIndex(model()->index(row, 0));
      return;
    }
  }
}

void UnitListBox::mousePressEvent(QMouseEvent* event) {
  const int before = SelectedRow();
  const QModelIndex pressed = indexAt(event->position().toPoint());
  QListWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && pressed.isValid() && pressed.row() == before &&
      SelectedRow() == before)
    emit UserSelected(before);
}

void UnitListBox::OnSelectionChanged() {
  const int row = SelectedRow();
  if (row >= 0) emit UserSelected(row);
}

}  // namespace vaneko::app
