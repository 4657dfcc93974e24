// The swap key "⇄" driven by hand: pressed on the kitchen tab it turns the lists round
// (measures, then foods), a click on a food writes grams; elsewhere it converts the opposite
// pair. Grams: amount / (15-digit measures per millilitre × millilitres per gram).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;

namespace {

constexpr int kKitchenTab = 5;
constexpr int kTasse = 5;
constexpr int kFlour = 89;  // "Farine blé blanche tout usage", 1.89 mL per gram

}  // namespace

class KitchenSwapTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void AtStartUpTheKeyIsUpAndTheNotesHidden() {
    auto& form = driver_->form1;
    QCOMPARE(form.SwapKey->text(), QStringLiteral("⇄"));
    QCOMPARE(form.SwapKey->toolTip(), QStringLiteral("Échanger les listes (Alt+X)"));
    QCOMPARE(form.SwapKey->accessibleName(), QStringLiteral("Échanger les listes"));
    QVERIFY(!form.SwapKey->isChecked());
    QVERIFY(form.FromNote->isHidden());
    QVERIFY(form.ToNote->isHidden());
    QCOMPARE(form.Label4->text(), QStringLiteral("DE"));
    QCOMPARE(form.Label3->text(), QStringLiteral("À"));
  }

  void TheKeyOverlapsNoHeaderAndNoList() {
    auto& form = driver_->form1;
    for (const QWidget* other :
         {static_cast<QWidget*>(form.Label4), static_cast<QWidget*>(form.Label3),
          static_cast<QWidget*>(form.Index1), static_cast<QWidget*>(form.Index2)}) {
      QVERIFY2(!form.SwapKey->geometry().intersects(other->geometry()),
               qPrintable(other->objectName()));
    }
    QVERIFY(!form.FromNote->geometry().intersects(form.SwapKey->geometry()));
    QVERIFY(!form.FromNote->geometry().intersects(form.Label4->geometry()));
    QVERIFY(!form.ToNote->geometry().intersects(form.Label3->geometry()));
  }

  void KitchenTurnedGivesGrams() {
    auto& form = driver_->form1;
    driver_->ClickTab(kKitchenTab);
    driver_->Click(form.SwapKey);
    QVERIFY(form.SwapKey->isChecked());
    QVERIFY(!form.FromNote->isHidden());
    QCOMPARE(form.FromNote->text(), QStringLiteral("(mesure)"));
    QCOMPARE(form.ToNote->text(), QStringLiteral("(grammes)"));
    const QStringList measures = Form1Driver::Items(form.Index1);
    QCOMPARE(measures.size(), 6);
    QCOMPARE(measures.at(kTasse), QStringLiteral("Tasse"));
    QCOMPARE(Form1Driver::Items(form.Index2).first(), QStringLiteral("En Gramme "));

    driver_->Type(form.Nombre1, "1");
    driver_->ClickItem(form.Index1, QStringLiteral("Tasse"));
    driver_->ClickItem(form.Index2, QStringLiteral("Farine blé blanche tout usage"));
    // 1 / (0.00422675283773037 × 1.89) = 125.17896111111124...
    QCOMPARE(form.Result->text(), QStringLiteral("125,178961111111"));
    driver_->ClickItem(form.Index1, QStringLiteral("Mililitre"));
    // 1 / 1.89
    QCOMPARE(form.Result->text(), QStringLiteral("0,529100529100529"));
    // The heading converts nothing.
    driver_->ClickItem(form.Index2, 0);
    QCOMPARE(form.Result->text(), QStringLiteral("0,529100529100529"));
    QVERIFY(driver_->boxes.empty());
  }

  void NotesFollowTheHeadersInBothLanguages() {
    auto& form = driver_->form1;
    for (const char* language : {"English", "Français"}) {
      driver_->Click(driver_->ConverterKey(QString::fromUtf8(language)));
      driver_->ClickTab(kKitchenTab);
      driver_->Click(form.SwapKey);
      QVERIFY(!form.FromNote->isHidden());
      QVERIFY2(!form.FromNote->geometry().intersects(form.Label4->geometry()), language);
      QVERIFY2(!form.ToNote->geometry().intersects(form.Label3->geometry()), language);
      QVERIFY2(form.FromNote->geometry().right() < form.SwapKey->geometry().left(), language);
      QVERIFY2(form.ToNote->geometry().right() < form.Index2->geometry().right(), language);
    }
  }

  void ShortcutTurnsTheKitchenBack() {
    auto& form = driver_->form1;
    driver_->ClickTab(kKitchenTab);
    driver_->Click(form.SwapKey);
    QCOMPARE(Form1Driver::Items(form.Index1).size(), 6);
    driver_->Type(form.Nombre1, "1");
    driver_->ClickItem(form.Index1, kTasse);
    driver_->ClickItem(form.Index2, kFlour);
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Nombre1->setFocus();
    QTest::keyClick(form.Nombre1, Qt::Key_X, Qt::AltModifier);
    // A button's shortcut presses it visibly: the click comes a moment later.
    QTRY_VERIFY(!form.SwapKey->isChecked());
    QVERIFY(form.FromNote->isHidden());
    QCOMPARE(Form1Driver::Items(form.Index1).size(), 283);
    QCOMPARE(form.Index1->SelectedRow(), kFlour);
    QCOMPARE(form.Index2->SelectedRow(), kTasse);
    // 1 g of flour in cups: 1.89 × 0.00422675283773037.
    QCOMPARE(form.Result->text(), QStringLiteral("0,0079885628633104"));
  }

  void LanguageOrTabTurnsTheKitchenBack_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("tip");
    QTest::newRow("English") << true << "Swap the lists (Alt+X)";
    QTest::newRow("other tab") << false << "Échanger les listes (Alt+X)";
  }

  void LanguageOrTabTurnsTheKitchenBack() {
    QFETCH(bool, english);
    QFETCH(QString, tip);
    auto& form = driver_->form1;
    driver_->ClickTab(kKitchenTab);
    driver_->Click(form.SwapKey);
    QVERIFY(form.SwapKey->isChecked());
    if (english) {
      driver_->Click(driver_->ConverterKey(QStringLiteral("English")));
      QCOMPARE(form.SwapKey->accessibleName(), QStringLiteral("Swap the lists"));
    } else {
      driver_->ClickTab(1);
      driver_->ClickTab(kKitchenTab);
    }
    QVERIFY(!form.SwapKey->isChecked());
    QVERIFY(form.FromNote->isHidden());
    QCOMPARE(form.SwapKey->toolTip(), tip);
    QCOMPARE(Form1Driver::Items(form.Index1).first(), QStringLiteral("En Gramme "));
  }

  void OtherTabsConvertTheOppositePair_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    // An inch is 2.54 cm; 100 °F is (100 − 32) × 5 / 9 °C.
    QTest::newRow("inch") << 1 << "1" << 0 << 13 << "2,54"
                          << "0,393700787401575";
    QTest::newRow("Fahrenheit") << 0 << "100" << 0 << 1 << "212"
                                << "37,7777777777778";
  }

  void OtherTabsConvertTheOppositePair() {
    QFETCH(int, tab);
    QFETCH(QString, number);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, before);
    QFETCH(QString, after);
    auto& form = driver_->form1;
    driver_->Convert(tab, number, from, to);
    QCOMPARE(form.Result->text(), before);
    driver_->Click(form.SwapKey);
    QCOMPARE(form.Index1->SelectedRow(), to);
    QCOMPARE(form.Index2->SelectedRow(), from);
    QCOMPARE(form.Result->text(), after);
    QVERIFY(!form.SwapKey->isChecked());
    QVERIFY(form.FromNote->isHidden());
  }
};

QTEST_MAIN(KitchenSwapTest)
#include "kitchen_swap_test.moc"
