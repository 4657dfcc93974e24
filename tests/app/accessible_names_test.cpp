// What a screen reader hears: every control's name, read through the accessibility interface of
// the real window, in the interface language, and every field and list tied to its label.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include "app/form1_layout.h"
#include "app/unit_list_box.h"
#include "calculator/key_table.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;
using vaneko::calculator::Spoken;

namespace {

struct NamedControl {
  QWidget* widget;
  QString what;  // for the failure message
  Spoken name;
};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString SpokenName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// Every control the tables name, found in the window: the converter half by its layout name,
// the calculator's fields and angle buttons by name, its keys by caption.
std::vector<NamedControl> NamedControls(Form1Driver& driver) {
  std::vector<NamedControl> controls;
  QWidget* client = driver.form1.Client;
  for (const vaneko::app::ControlLayout* layout : vaneko::app::kSpokenControls)
    controls.push_back({client->findChild<QWidget*>(QString::fromLatin1(layout->name)),
                        QString::fromLatin1(layout->name), layout->spoken});
  for (const vaneko::app::KeypadKeyLayout& key : vaneko::app::kKeypad)
    controls.push_back({client->findChild<QWidget*>(QString::fromLatin1(key.control.name)),
                        QString::fromLatin1(key.control.name), key.control.spoken});
  for (const auto& field : vaneko::calculator::PanelFields())
    controls.push_back({client->findChild<QWidget*>(FromUtf8(field.name)), FromUtf8(field.name),
                        field.accessibleName});
  for (const auto& button : vaneko::calculator::AngleButtons())
    controls.push_back({client->findChild<QWidget*>(FromUtf8(button.name)), FromUtf8(button.name),
                        button.accessibleName});
  // The exchange keys' captions follow the language; a key is found by its name when it has one.
  for (const auto& key : vaneko::calculator::CalculatorKeys()) {
    QWidget* widget = key.control.empty() ? driver.CalculatorKey(FromUtf8(key.caption))
                                          : client->findChild<QWidget*>(FromUtf8(key.control));
    controls.push_back({widget, FromUtf8(key.caption), key.name});
  }
  return controls;
}

void SwitchTo(Form1Driver& driver, const QString& language) {
  driver.Click(language == "English" ? driver.form1.Button3 : driver.form1.Button4);
}

}  // namespace

class AccessibleNamesTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void FollowTheTableInEachLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("French at start") << QString();
    QTest::newRow("English") << QStringLiteral("English");
    QTest::newRow("French again") << QStringLiteral("Français");
  }

  void FollowTheTableInEachLanguage() {
    QFETCH(QString, language);
    if (!language.isEmpty()) SwitchTo(*driver_, language);
    const bool english = language == "English";
    const auto controls = NamedControls(*driver_);
    QCOMPARE(controls.size(), std::size_t{13 + 13 + 5 + 3 + 144});
    for (const NamedControl& control : controls) {
      QVERIFY2(control.widget != nullptr, qPrintable(control.what));
      QCOMPARE(SpokenName(control.widget),
               FromUtf8(english ? control.name.english : control.name.french));
    }
  }

  // Names written here from what each control does, not copied from the tables.
  void SayWhatTheControlDoes_data() {
    QTest::addColumn<QString>("control");  // a layout name or a calculator caption
    QTest::addColumn<QString>("french");
    QTest::addColumn<QString>("english");
    QTest::newRow("quit") << "Button1"
                          << "Quitter Vaneko"
                          << "Quit Vaneko";
    QTest::newRow("number") << "Nombre1"
                            << "Nombre à convertir"
                            << "Number to convert";
    QTest::newRow("from-list") << "Index1"
                               << "Unité de départ"
                               << "Unit to convert from";
    QTest::newRow("memory") << "mem"
                            << "Mémoire"
                            << "Memory";
    QTest::newRow("degrees") << "Deg"
                             << "Angles en degrés"
                             << "Angles in degrees";
    QTest::newRow("root") << "x^1/y"
                          << "Racine y-ième de x"
                          << "y-th root of x";
    QTest::newRow("store in X") << "X"
                                << "Ranger dans X"
                                << "Store in X";
    QTest::newRow("mended difference of squares") << "Sqrt(x^2 - y^ 2)"
                                                  << "Racine de X carré moins Y carré"
                                                  << "Square root of X squared minus Y squared";
    QTest::newRow("mended arc sine of the quotient") << "ArcSin Y / Sqrt(x^2 + y^ 2)"
                                                     << "Arc sinus de Y sur la norme de X et Y"
                                                     << "Arc sine of Y over the norm of X and Y";
  }

  void SayWhatTheControlDoes() {
    QFETCH(QString, control);
    QFETCH(QString, french);
    QFETCH(QString, english);
    QWidget* widget = driver_->form1.Client->findChild<QWidget*>(control);
    if (widget == nullptr) widget = driver_->CalculatorKey(control);
    QVERIFY(widget != nullptr);
    QCOMPARE(SpokenName(widget), french);
    SwitchTo(*driver_, "English");
    QCOMPARE(SpokenName(widget), english);
    QVERIFY(!widget->accessibleDescription().isEmpty());
  }

  void NoTwoControlsSoundAlike_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("French") << QStringLiteral("Français");
    QTest::newRow("English") << QStringLiteral("English");
  }

  void NoTwoControlsSoundAlike() {
    QFETCH(QString, language);
    SwitchTo(*driver_, language);
    QSet<QString> heard;
    for (QWidget* widget : driver_->form1.Client->findChildren<QWidget*>()) {
      const bool operable =
          qobject_cast<QPushButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
          qobject_cast<QRadioButton*>(widget) || qobject_cast<vaneko::app::UnitListBox*>(widget);
      if (!operable) continue;
      const QString name = SpokenName(widget);
      QVERIFY2(!heard.contains(name), qPrintable(name));
      heard.insert(name);
    }
    QVERIFY(heard.size() > 144);  // more than the calculator's keys alone
  }

  // The label of each field and list is announced with it.
  void FieldsAndListsAreTiedToTheirLabels_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("label");
    QTest::newRow("number") << "Nombre1"
                            << "Nombre à convertir";
    QTest::newRow("result") << "Result"
                            << "Résultat";
    QTest::newRow("from-list") << "Index1"
                               << "DE";
    QTest::newRow("to-list") << "Index2"
                             << "À";
    QTest::newRow("memory") << "mem"
                            << "Mem";
    QTest::newRow("X") << "X1"
                       << "X";
    QTest::newRow("Y") << "Y1"
                       << "Y";
    QTest::newRow("Z") << "Z1"
                       << "Z";
  }

  void FieldsAndListsAreTiedToTheirLabels() {
    QFETCH(QString, control);
    QFETCH(QString, label);
    QWidget* widget = driver_->form1.Client->findChild<QWidget*>(control);
    QVERIFY(widget != nullptr);
    QStringList labels;
    for (const QLabel* candidate : driver_->form1.Client->findChildren<QLabel*>())
      if (candidate->buddy() == widget) labels.append(candidate->text());
    QCOMPARE(labels, QStringList{label});
    // Qt's accessible lists report no label relation; its fields do.
    if (qobject_cast<QLineEdit*>(widget) == nullptr) return;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
    QStringList related;
    for (const auto& [other, relation] : accessible->relations(QAccessible::Label))
      related.append(other->text(QAccessible::Name));
    QCOMPARE(related, QStringList{label});
  }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
