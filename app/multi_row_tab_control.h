// A tab control whose tabs wrap onto several rows, each row stretched to the control's width.
// The row holding the selected tab is always the one next to the page, the other rows
// following it in turn above. Other widgets are placed directly on the control, over its page.
//
// Keyboard: while the control itself has the focus, Left/Up and Right/Down select the
// neighbouring tab and Home/End the first/last; Ctrl+Tab and Ctrl+Shift+Tab select the next and
// previous tab (wrapping round) from anywhere in the window. Keys that the controls on the page
// leave unused never select a tab.
//
// Accessibility: the control is a page tab list whose first children are its tabs (see
// tab_control_accessible.h); selecting a tab raises the Selection event, and Focus too while
// the control has the focus.
#pragma once

#include <QStringList>
#include <QVector>
#include <QWidget>

namespace vaneko::app {

class MultiRowTabControl : public QWidget {
  Q_OBJECT

 public:
  explicit MultiRowTabControl(QWidget* parent = nullptr);

  // Replaces every tab; the current index is kept when still in range. Emits nothing.
  void SetCaptions(const QStringList& captions);
  const QStringList& Captions() const { return captions_; }

  int CurrentIndex() const { return current_; }
  // Selects a tab without emitting TabChanged.
  void SetCurrentIndex(int index);

  // Selects a tab as the user does: TabChanged is emitted when the tab changes.
  void SelectByUser(int index);

  // Where tab `index` is drawn (the area a click selects), in the control's coordinates.
  QRect TabRect(int index) const;
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // The top of the page, under the rows of tabs.
  int PageTop() const;

  QSize sizeHint() const override;

 signals:
  // The user selected another tab (mouse or keyboard).
  void TabChanged(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Row {
    int first;  // index of the row's first tab
    int count;  // tabs in the row
  };

  void Relayout();
  // Ctrl+Tab and Ctrl+Shift+Tab: `step` tabs further, wrapping round.
  void SelectNeighbourWrapping(int step);
  int TabHeight() const;
  int RowOf(int index) const;
  void AnnounceCurrent();

  QStringList captions_;
  int current_ = 0;
  QVector<Row> rows_;
  QVector<QRect> rects_;  // per tab, in the order of the captions
};

}  // namespace vaneko::app
