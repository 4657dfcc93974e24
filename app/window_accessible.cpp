#include "app/window_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "app/tab_control_accessible.h"
#include "app/tape_window.h"
#include "app/tform1.h"
#include "app/tform2.h"
#include "app/unit_list_box.h"

namespace vaneko::app {

namespace {

// A row of a unit list, read by its name without the blanks some names end with; a blank row
// has no name, so a screen reader passes over it in silence. Pressing it selects it as a click
// does (and so converts).
class UnitRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  UnitRowAccessible(UnitListBox* list, int row) : list_(list), row_(row) {}

  bool isValid() const override { return list_ != nullptr && row_ < list_->count(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return list_ != nullptr ? list_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(list_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return {};
    return list_->item(row_)->text().trimmed();
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect place = list_->visualItemRect(list_->item(row_));
    return QRect(list_->viewport()->mapToGlobal(place.topLeft()), place.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.selectable = true;
    state.focusable = true;
    state.selected = list_->SelectedRow() == row_;
    state.focused = list_->hasFocus() && list_->currentRow() == row_;
    state.invisible =
        !list_->viewport()->rect().intersects(list_->visualItemRect(list_->item(row_)));
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  void doAction(const QString& action) override {
    if (action == pressAction() && isValid())
      list_->setCurrentRow(row_, QItemSelectionModel::ClearAndSelect);
  }

 private:
  QPointer<UnitListBox> list_;
  int row_;
};

// A unit list: its rows are UnitRowAccessible, numbered as the list view numbers them in its
// focus and selection events (by row). As a widget's interface it names the label whose buddy it
// is, as that label names it (Qt's own list interface does only the latter).
class UnitListAccessible : public QAccessibleWidget {
 public:
  explicit UnitListAccessible(UnitListBox* list) : QAccessibleWidget(list, QAccessible::List) {}
  ~UnitListAccessible() override {
    for (const QAccessible::Id id : rows_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return List()->count(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(rows_.size()) <= index) {
      auto* row = new UnitRowAccessible(List(), static_cast<int>(rows_.size()));
      rows_.push_back(QAccessible::registerAccessibleInterface(row));
    }
    return QAccessible::accessibleInterface(rows_[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t row = 0; row < rows_.size(); ++row)
      if (QAccessible::accessibleInterface(rows_[row]) == child) return static_cast<int>(row);
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = List()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = List()->indexAt(at);
    return index.isValid() ? child(index.row()) : nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return List()->hasFocus() && List()->currentRow() >= 0 ? child(List()->currentRow()) : nullptr;
  }

 private:
  UnitListBox* List() const { return static_cast<UnitListBox*>(widget()); }

  mutable std::vector<QAccessible::Id> rows_;  // made when first asked for
};

// A top-level window: a frame named by its title.
class WindowAccessible : public QAccessibleWidget {
 public:
  explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// A picture drawn only for looks: invisible to assistive technology.
class DecorationAccessible : public QAccessibleWidget {
 public:
  explicit DecorationAccessible(QWidget* picture)
      : QAccessibleWidget(picture, QAccessible::Graphic) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (QAccessibleInterface* tabs = TabControlAccessible(className, object)) return tabs;
  if (className == QLatin1String(TForm1::staticMetaObject.className()) ||
      className == QLatin1String(TForm2::staticMetaObject.className()) ||
      className == QLatin1String(TapeWindow::staticMetaObject.className()))
    return new WindowAccessible(widget);
  if (className == QLatin1String(UnitListBox::staticMetaObject.className()))
    return new UnitListAccessible(static_cast<UnitListBox*>(widget));
  if (className == QLatin1String("QLabel") && widget->property(kDecorationProperty).toBool())
    return new DecorationAccessible(widget);
  return nullptr;
}

}  // namespace

void InstallWindowAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace vaneko::app
