#include "app/unit_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyledItemDelegate>

namespace vaneko::app {

namespace {

// Draws every item in a row of the list's fixed item height.
class FixedHeightDelegate : public QStyledItemDelegate {
 public:
  FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

}  // namespace

UnitListBox::UnitListBox(int itemHeight, QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setItemDelegate(new FixedHeightDelegate(itemHeight, this));
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
  }
  if (selected >= 0 && selected < count()) {
    if (SelectedRow() != selected) setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
  } else if (SelectedRow() != -1) {
    clearSelection();
  }
}

QItemSelectionModel::SelectionFlags UnitListBox::selectionCommand(const QModelIndex& index,
                                                                  const QEvent*) const {
  // A click outside the items, or a toggle key, never takes the selection away.
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void UnitListBox::keyPressEvent(QKeyEvent* event) {
  // The first arrow key in a list without selection selects the item that has the focus.
  const bool arrow = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
  if (arrow && SelectedRow() == -1 && currentIndex().isValid()) {
    selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
    return;
  }
  QListWidget::keyPressEvent(event);
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
