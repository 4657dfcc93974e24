// The unit finder that Ctrl+F opens over the converter half: a search box and, as one types,
// the units of every category whose name in either language, other name or symbol starts with
// or holds what was typed, each with its category. Enter chooses the highlighted unit for the
// from-list, Shift+Enter for the to-list (a click and a Shift+click likewise); Escape closes it.
// It is a popup: it covers part of the window while it is open and changes nothing in the
// layout; a click elsewhere closes it too.
#pragma once

#include <QFrame>

#include "catalogue/catalogue.h"
#include "catalogue/unit_names.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace vaneko::app {

class UnitFinder : public QFrame {
  Q_OBJECT

 public:
  explicit UnitFinder(QWidget* parent);

  // Opens the finder empty over `area` (in global coordinates), with the focus in its box.
  void Open(const QRect& area);
  // Texts, accessible names and the units listed, in `language`.
  void SetLanguage(catalogue::Language language);

  QLineEdit* Query = nullptr;    // what is typed
  QListWidget* Units = nullptr;  // the units found: "name — category"
  QLabel* Hint = nullptr;        // the keys to use, or that nothing was found

 signals:
  // The unit at `position` of the catalogue's `list` of category `tab` was chosen for the
  // window's from-list (`into` From) or to-list (To). The finder is closed by then.
  void Picked(int tab, catalogue::UnitList list, int position, catalogue::UnitList into);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Lists the units the box's text finds, the first one highlighted.
  void ListUnits();
  void ShowHint();
  // Closes the finder and reports the highlighted unit, if any.
  void PickCurrent(catalogue::UnitList into);

  catalogue::Language language_ = catalogue::Language::French;
  bool named_ = false;  // the texts are written in language_
  QString listedFor_;   // the text the units listed were found for
};

}  // namespace vaneko::app
