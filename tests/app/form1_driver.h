// Drives the real main window and circle window the way a person does: mouse clicks on keys,
// tabs and list items, key presses in fields. The error box and the calculator's notice are
// recorded instead of shown.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
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

// The fixture of the window tests: a fresh window before each test function, gone after it.
class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void init() { driver_ = std::make_unique<Form1Driver>(); }
  void cleanup() { driver_.reset(); }

 protected:
  std::unique_ptr<Form1Driver> driver_;
};

}  // namespace vaneko::app
