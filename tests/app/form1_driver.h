// Drives the real main window and circle window the way a person does: mouse clicks on keys,
// tabs and list items, key presses in fields. The error box and the calculator's notice are
// recorded instead of shown.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "app/tform1.h"
#include "app/tform2.h"

class QLineEdit;
class QPushButton;

namespace vaneko::app {

class UnitListBox;

struct ShownBox {
  QString title;
  QString text;
  bool critical;
};

class Form1Driver {
 public:
  Form1Driver();

  TForm1 form1;
  TForm2 form2;
  std::vector<ShownBox> boxes;

  // A push button of the converter half or of the calculator panel, found by its caption.
  QPushButton* ConverterKey(const QString& caption) const;
  QPushButton* CalculatorKey(const QString& caption) const;

  void Click(QPushButton* button);
  void ClickConverterKeys(const QStringList& captions);
  void ClickCalculatorKeys(const QStringList& captions);
  void ClickTab(int index);
  void ClickItem(UnitListBox* list, int row);
  void ClickItem(UnitListBox* list, const QString& text);
  // Types the characters one key press each into the field.
  void Type(QLineEdit* field, const QString& characters);
  // Runs one conversion by hand: tab `tab`, "C", `number` typed, a click on row `from` of the
  // from-list and on row `to` of the to-list.
  void Convert(int tab, const QString& number, int from, int to);

  static QStringList Items(const UnitListBox* list);
};

}  // namespace vaneko::app
