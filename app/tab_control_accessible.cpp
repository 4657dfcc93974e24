#include "app/tab_control_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "app/multi_row_tab_control.h"

namespace vaneko::app {

namespace {

class TabListAccessible;

// One tab. It reads its caption and state from the control each time, so it stays right after
// the captions are rebuilt; a tab whose index is gone is no longer valid.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  TabAccessible(MultiRowTabControl* control, int index) : control_(control), index_(index) {}

  bool isValid() const override {
    return !control_.isNull() && index_ < control_->Captions().size();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override {
    return control_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(control_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text kind) const override {
    if (!isValid() || kind != QAccessible::Name) return {};
    return control_->Captions().at(index_);
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect local = control_->TabRect(index_);
    return QRect(control_->mapToGlobal(local.topLeft()), local.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    const bool current = control_->CurrentIndex() == index_;
    state.selectable = true;
    state.selected = current;
    state.focusable = true;
    state.focused = current && control_->hasFocus();
    state.invisible = !control_->isVisible();
    state.disabled = !control_->isEnabled();
    return state;
  }

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (isValid() && name == pressAction()) control_->SelectByUser(index_);
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  QPointer<MultiRowTabControl> control_;
  int index_;
};

// The control: a page tab list. Children 0 to n-1 are the tabs, the page's controls follow.
class TabListAccessible : public QAccessibleWidget {
 public:
  explicit TabListAccessible(MultiRowTabControl* control)
      : QAccessibleWidget(control, QAccessible::PageTabList) {}

  ~TabListAccessible() override {
    for (const QAccessible::Id id : tabs_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return TabCount() + QAccessibleWidget::childCount(); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0) return nullptr;
    if (index < TabCount()) return Tab(index);
    return QAccessibleWidget::child(index - TabCount());
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    if (child->role() == QAccessible::PageTab) {
      for (int index = 0; index < static_cast<int>(tabs_.size()); ++index)
        if (QAccessible::accessibleInterface(tabs_[index]) == child) return index;
      return -1;
    }
    const int widget = QAccessibleWidget::indexOfChild(child);
    return widget < 0 ? -1 : TabCount() + widget;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint local = Control()->mapFromGlobal(QPoint(x, y));
    for (int index = 0; index < TabCount(); ++index)
      if (Control()->TabRect(index).contains(local)) return Tab(index);
    return QAccessibleWidget::childAt(x, y);
  }

  QAccessibleInterface* focusChild() const override {
    if (Control()->hasFocus() && Control()->CurrentIndex() >= 0)
      return Tab(Control()->CurrentIndex());
    return QAccessibleWidget::focusChild();
  }

 private:
  MultiRowTabControl* Control() const { return static_cast<MultiRowTabControl*>(widget()); }
  int TabCount() const { return static_cast<int>(Control()->Captions().size()); }

  // The tab interfaces are made when first asked for and live as long as this one.
  QAccessibleInterface* Tab(int index) const {
    while (static_cast<int>(tabs_.size()) <= index) {
      auto* tab = new TabAccessible(Control(), static_cast<int>(tabs_.size()));
      tabs_.push_back(QAccessible::registerAccessibleInterface(tab));
    }
    return QAccessible::accessibleInterface(tabs_[index]);
  }

  mutable std::vector<QAccessible::Id> tabs_;
};

QWindow* TabAccessible::window() const {
  QAccessibleInterface* list = parent();
  return list != nullptr ? list->window() : nullptr;
}

}  // namespace

QAccessibleInterface* TabControlAccessible(const QString& className, QObject* object) {
  if (className != QLatin1String(MultiRowTabControl::staticMetaObject.className())) return nullptr;
  auto* control = qobject_cast<MultiRowTabControl*>(object);
  return control != nullptr ? new TabListAccessible(control) : nullptr;
}

}  // namespace vaneko::app
