#include "form1_driver.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/layout_font.h"
#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"

namespace vaneko::app {

namespace {

QPushButton* KeyIn(const QWidget* parent, const QString& caption) {
  for (QPushButton* key : parent->findChildren<QPushButton*>())
    if (key->text() == caption) return key;
  qFatal("No key \"%s\"", qPrintable(caption));
}

}  // namespace

Form1Driver::Form1Driver() {
  InstallFontSubstitutes();
  form1.SetCircleWindow(&form2);
  form1.SetMessageBox([this](const QString& title, const QString& text, bool critical) {
    boxes.push_back({title, text, critical});
  });
  form1.show();
  if (!QTest::qWaitForWindowExposed(&form1)) qFatal("The main window was not shown");
}

QPushButton* Form1Driver::ConverterKey(const QString& caption) const {
  for (QPushButton* key : form1.Client->findChildren<QPushButton*>())
    if (key->text() == caption && !form1.Panel1->isAncestorOf(key)) return key;
  qFatal("No converter key \"%s\"", qPrintable(caption));
}

QPushButton* Form1Driver::CalculatorKey(const QString& caption) const {
  return KeyIn(form1.Panel1, caption);
}

void Form1Driver::Click(QPushButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

void Form1Driver::ClickConverterKeys(const QStringList& captions) {
  for (const QString& caption : captions) Click(ConverterKey(caption));
}

void Form1Driver::ClickCalculatorKeys(const QStringList& captions) {
  for (const QString& caption : captions) Click(CalculatorKey(caption));
}

void Form1Driver::ClickTab(int index) {
  QTest::mouseClick(form1.TabControl1, Qt::LeftButton, {},
                    form1.TabControl1->TabRect(index).center());
}

void Form1Driver::ClickItem(UnitListBox* list, int row) {
  QListWidgetItem* item = list->item(row);
  if (item == nullptr) qFatal("No row %d in %s", row, qPrintable(list->objectName()));
  list->scrollToItem(item);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void Form1Driver::ClickItem(UnitListBox* list, const QString& text) {
  ClickItem(list, static_cast<int>(Items(list).indexOf(text)));
}

void Form1Driver::Type(QLineEdit* field, const QString& characters) {
  QTest::keyClicks(field, characters);
}

void Form1Driver::Convert(int tab, const QString& number, int from, int to) {
  if (form1.TabControl1->CurrentIndex() != tab) ClickTab(tab);
  Click(ConverterKey(QStringLiteral("C")));  // the next key starts a new number
  Type(form1.Nombre1, number);
  ClickItem(form1.Index1, from);
  ClickItem(form1.Index2, to);
}

QStringList Form1Driver::Items(const UnitListBox* list) {
  QStringList items;
  for (int row = 0; row < list->count(); ++row) items.append(list->item(row)->text());
  return items;
}

}  // namespace vaneko::app
