// A list of units that reports every selection the user makes, by mouse or keyboard, and
// nothing that the program writes into it. A click on the item already selected counts as a
// selection too. Once an item is selected the list always keeps one selected, as a
// single-selection list box does. A moving key changes only the list's own selection: at the
// first or last item, or sideways, it does nothing.
//
// Rows keep the layout's item height; the font is made just small enough that accented
// capitals and descenders are drawn whole, and a name too long for the row is cut with "…".
// Each item's tooltip holds its full name and, below it, the unit's definition; an item
// without a definition (a heading line) shows its name as tooltip only when the row cuts it.
//
// Typing letters in the focused list moves to the next unit whose name starts with them, case
// and accents aside ("metre" finds "Mètre"); letters typed in quick succession add up, and a
// blank between them belongs to the name while a search is under way. The move is a selection
// by the user, as an arrow key's is.
#pragma once

#include <QElapsedTimer>
#include <QFont>
#include <QListWidget>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/unit_definition.h"

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
  // Gives the items shown the definitions of the units of the `side` list of `tab` in
  // `language` as tooltips; worked out again only when the items or the list changed.
  void ShowDefinitions(int tab, catalogue::Language language, catalogue::ListSide side);

  // Type-ahead: `search` is what the last key typed. Within the keyboard input interval of the
  // previous key it adds to the letters typed before and the unit selected stays while it
  // still fits; otherwise, or when one letter is typed again and again, the search starts at
  // the next unit. Wraps round at the end of the list; nothing moves when no unit fits.
  void keyboardSearch(const QString& search) override;

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

  // The list whose definitions the items' tooltips hold.
  struct DefinedList {
    int tab;
    catalogue::Language language;
    catalogue::ListSide side;
    bool operator==(const DefinedList&) const = default;
  };

  std::vector<std::string_view> shown_;
  std::optional<DefinedList> defined_;  // reset whenever the items change
  // The items folded for the type-ahead, worked out at its first use after a change of items.
  std::vector<std::u32string> folded_;
  QString typed_;          // the letters of the type-ahead under way
  QElapsedTimer typedAt_;  // when its last letter was typed
};

}  // namespace vaneko::app
