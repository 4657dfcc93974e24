// The language keys "English" and "Français" of the about panel.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;

namespace {

QStringList LabelsOf(const QWidget* panel) {
  QStringList captions;
  for (const QLabel* label : panel->findChildren<QLabel*>()) captions.append(label->text());
  captions.sort();
  return captions;
}

QStringList KeysOf(const QWidget* panel) {
  QStringList captions;
  for (const QPushButton* key : panel->findChildren<QPushButton*>()) captions.append(key->text());
  return captions;
}

}  // namespace

class LanguageTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void EnglishKeepsTheSelectedCategory() {
    auto& form = driver_->form1;
    driver_->ClickTab(6);
    QCOMPARE(form.TabControl1->Captions().at(6), QStringLiteral("Pression"));
    driver_->Click(driver_->ConverterKey(QStringLiteral("English")));

    const QStringList englishTabs{
        "Temperature", "Distance", "Mass",         "Area",   "Fluid Volume",  "Gramme-Volume",
        "Pressure",    "Velocyty", "Acceleration", "Force",  "Energy",        "Power",
        "Fuel",        "Flow",     "Flow (Mass)",  "Torque", "Radioactivity", "Angles"};
    QCOMPARE(form.TabControl1->Captions(), englishTabs);
    QCOMPARE(form.TabControl1->CurrentIndex(), 6);
    const QStringList pressures = Form1Driver::Items(form.Index1);
    QCOMPARE(pressures.size(), 26);
    QCOMPARE(pressures.first(), QStringLiteral("Atmosphere"));
    QCOMPARE(pressures.last(), QStringLiteral("Torr"));
    QCOMPARE(Form1Driver::Items(form.Index2), pressures);
  }

  void EnglishWritesTheEightCaptions() {
    auto& form = driver_->form1;
    driver_->Click(form.Button3);
    QCOMPARE(form.Button1->text(), QStringLiteral("Quit"));
    QCOMPARE(form.Button2->text(), QStringLiteral("Calculate"));
    QCOMPARE(form.Button22->text(), QStringLiteral("Get Result"));
    QCOMPARE(form.Button23->text(), QStringLiteral("Paste"));
    QCOMPARE(form.Label2->text(), QStringLiteral("Nomber to Convert"));
    QCOMPARE(form.Label3->text(), QStringLiteral("to"));
    QCOMPARE(form.Label4->text(), QStringLiteral("From"));
    QCOMPARE(form.Label5->text(), QStringLiteral("Résult"));
    // Labels grow with their captions instead of cutting them.
    QVERIFY(form.Label4->width() >= form.Label4->sizeHint().width());
  }

  void OnlyTheTwoExchangeKeysOfTheCalculatorChange() {
    auto& form = driver_->form1;
    const QStringList labelsBefore = LabelsOf(form.Panel1);
    QStringList keysBefore = KeysOf(form.Panel1);
    driver_->Click(form.Button3);
    QCOMPARE(LabelsOf(form.Panel1), labelsBefore);
    QStringList keysAfter = KeysOf(form.Panel1);
    keysBefore.replace(keysBefore.indexOf(QStringLiteral("Saisir Résultat")), "Get Result");
    keysBefore.replace(keysBefore.indexOf(QStringLiteral("Coller")), "Paste");
    // Beside the layout's keys, the tape's key follows the language too.
    keysBefore.replace(keysBefore.indexOf(QStringLiteral("Ruban")), "Tape");
    QCOMPARE(keysAfter, keysBefore);
    QVERIFY(labelsBefore.contains(QStringLiteral("Fonctions")));
    QCOMPARE(form.Button157->text(), QStringLiteral("Radians / Degres"));
  }

  void FrenchRightAfterStartUpChangesOnlyTheFromLabel() {
    auto& form = driver_->form1;
    QCOMPARE(form.Label4->text(), QStringLiteral("DE"));
    driver_->Click(form.Button4);
    QCOMPARE(form.Label4->text(), QStringLiteral("De"));
    QCOMPARE(form.Label3->text(), QStringLiteral("À"));
    QCOMPARE(form.Button1->text(), QStringLiteral("Quitter"));
    QCOMPARE(form.TabControl1->Captions().first(), QStringLiteral("Température"));
    QCOMPARE(Form1Driver::Items(form.Index1).first(), QStringLiteral("Celcius"));
  }

  void LanguageKeyClearsTheSelectionsAndKeepsTheFields() {
    auto& form = driver_->form1;
    driver_->Convert(1, "1", 0, 13);
    QCOMPARE(form.Result->text(), QStringLiteral("2,54"));
    driver_->Click(form.Button3);
    QCOMPARE(form.Index1->SelectedRow(), -1);
    QCOMPARE(form.Index2->SelectedRow(), -1);
    QCOMPARE(form.Result->text(), QStringLiteral("2,54"));
    QCOMPARE(form.Nombre1->text(), QStringLiteral("1"));
    QCOMPARE(Form1Driver::Items(form.Index1).first(), QStringLiteral("Inche"));
    // The lists answer clicks in the new language.
    driver_->ClickItem(form.Index1, "Inche");
    driver_->ClickItem(form.Index2, "Centimetre");
    QCOMPARE(form.Result->text(), QStringLiteral("2,54"));
    driver_->Click(form.Button4);
    QCOMPARE(Form1Driver::Items(form.Index2).at(13), QStringLiteral("Centimètre"));
    QCOMPARE(form.TabControl1->CurrentIndex(), 1);
  }

  void SameLanguageAgainClearsTheSelections() {
    auto& form = driver_->form1;
    driver_->Click(form.Button3);
    driver_->ClickItem(form.Index1, 2);
    driver_->Click(form.Button3);
    QCOMPARE(form.Index1->SelectedRow(), -1);
    QCOMPARE(form.TabControl1->Captions().first(), QStringLiteral("Temperature"));
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
