// A list of units that reports every selection the user makes, by mouse or keyboard, and
// nothing that the program writes into it. A click on the item already selected counts as a
// selection too. Once an item is selected the list always keeps one selected, as a
// single-selection list box does. A moving key changes only the list's own selection: at the
// first or last item, or sideways, it does nothing.
//
// Rows keep the layout's item height; the font is made just small enough that accented
// capitals and descenders are drawn whole, and a name too long for the row is cut with "…"
// and shown whole as its tooltip.
#pragma once

#include <QFont>
#include <QListWidget>
#include <string_view>
#include <vector>

namespace vaneko::app {

// The font a row of `rowHeight` pixels draws its text in, and where its baseline lies below
// the row's top edge.
struct RowFont {
  QFont font;
  int baseline;
};
RowFont FitRowFont(const QFont& font, int rowHeight);

class UnitListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit UnitListBox(int itemHeight, QWidget* parent = nullptr);

  // The selected row, -1 for none.
  int SelectedRow() const;
  // Writes the items (only when they differ from those shown) and the selection, without
  // reporting anything.
  void ShowItems(const std::vector<std::string_view>& items, int selected);

 signals:
  // The user selected an item (or clicked the selected one again).
  void UserSelected(int row);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void OnSelectionChanged();

  std::vector<std::string_view> shown_;
};

}  // namespace vaneko::app
