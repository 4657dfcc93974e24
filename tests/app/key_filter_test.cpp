// Typing into the fields: the key filter of the number and the calculator entry, and the one
// of the result, memory and register fields that refuses every typed character.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;

class KeyFilterTest : public vaneko::app::Form1Test {
  Q_OBJECT

 private slots:
  void NumberFieldAdmitsANumberWithADecimalComma_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("point becomes comma") << "1.5."
                                         << "1,5";
    QTest::newRow("second comma refused") << "2,,5"
                                          << "2,5";
    QTest::newRow("letters and blanks refused") << "1a b2e3"
                                                << "123";
    QTest::newRow("comma first") << ".5"
                                 << ",5";
    QTest::newRow("minus refused") << "-7"
                                   << "7";
  }

  void NumberFieldAdmitsANumberWithADecimalComma() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    driver_->Type(driver_->form1.Nombre1, typed);
    QCOMPARE(driver_->form1.Nombre1->text(), shown);
  }

  void TypingAfterAConversionStartsANewNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digit") << "3"
                           << "3";
    QTest::newRow("comma") << ","
                           << ",";
    QTest::newRow("refused letter still empties") << "x"
                                                  << "";
  }

  void TypingAfterAConversionStartsANewNumber() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto& form = driver_->form1;
    driver_->Convert(0, "2,5", 0, 0);
    QCOMPARE(form.Result->text(), QStringLiteral("2,5"));
    driver_->Type(form.Nombre1, typed);
    QCOMPARE(form.Nombre1->text(), shown);
  }

  void TypingIntoTheEntryEmptiesAConvertedNumber() {
    auto& form = driver_->form1;
    driver_->Convert(0, "2,5", 0, 0);
    driver_->Type(form.Calc, "3");
    QCOMPARE(form.Calc->text(), QStringLiteral("3"));
    QCOMPARE(form.Nombre1->text(), QString());
  }

  void CharacterGoesInAtTheCaret() {
    auto* number = driver_->form1.Nombre1;
    driver_->Type(number, "12");
    QTest::keyClick(number, Qt::Key_Home);
    QTest::keyClick(number, Qt::Key_Right);
    driver_->Type(number, "5");
    QCOMPARE(number->text(), QStringLiteral("152"));
    QCOMPARE(number->cursorPosition(), 2);
    QTest::keyClick(number, Qt::Key_Backspace);
    QCOMPARE(number->text(), QStringLiteral("12"));
    // Ctrl+A selects everything; the next digit replaces the selection.
    QTest::keyClick(number, Qt::Key_A, Qt::ControlModifier);
    driver_->Type(number, "7");
    QCOMPARE(number->text(), QStringLiteral("7"));
  }

  void OperatorCharactersRunTheCalculatorKeys() {
    auto& form = driver_->form1;
    driver_->Type(form.Calc, "2");
    driver_->Type(form.Nombre1, "+");
    QCOMPARE(form.Nombre1->text(), QString());
    QCOMPARE(form.Calc->text(), QStringLiteral("2"));
    driver_->Type(form.Calc, "3");
    QTest::keyClick(form.Nombre1, Qt::Key_Return);
    QCOMPARE(form.Calc->text(), QStringLiteral("5"));
    driver_->ClickCalculatorKeys({"*"});
    driver_->Type(form.Calc, "4");
    QTest::keyClick(form.Calc, Qt::Key_Enter);
    QCOMPARE(form.Calc->text(), QStringLiteral("20"));
    // A typed operator acts on the shown result, as its key would: (20 - 8) / 4.
    driver_->Type(form.Nombre1, "-");
    driver_->Type(form.Calc, "8/4");
    QTest::keyClick(form.Calc, Qt::Key_Return);
    QCOMPARE(form.Calc->text(), QStringLiteral("3"));
    QCOMPARE(form.Nombre1->text(), QString());
  }

  void OperatorKeyFailureShowsTheErrorBox() {
    auto& form = driver_->form1;
    driver_->Type(form.Calc, "2");
    form.Calc->setText(QStringLiteral("x"));
    driver_->Type(form.Calc, "+");
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
    QCOMPARE(driver_->boxes[0].text, QStringLiteral("'x' is not a valid floating point value."));
    QVERIFY(driver_->boxes[0].critical);
  }

  void StoredFieldsRefuseEveryTypedCharacter_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("editable");  // whether editing that is not typing reaches it
    QTest::newRow("result") << "Result" << false;
    QTest::newRow("memory") << "mem" << true;
    QTest::newRow("X") << "X1" << true;
    QTest::newRow("Y") << "Y1" << true;
    QTest::newRow("Z") << "Z1" << true;
  }

  void StoredFieldsRefuseEveryTypedCharacter() {
    QFETCH(QString, field);
    QFETCH(bool, editable);
    auto& form = driver_->form1;
    driver_->Convert(0, "100", 0, 1);
    auto* edit = form.Client->findChild<QLineEdit*>(field);
    QVERIFY(edit != nullptr);
    const QString before = edit->text();
    QVERIFY(!before.isEmpty());
    driver_->Type(edit, "12,a.+");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), before);
    // Nothing typed there ran a calculator key either.
    QCOMPARE(form.Calc->text(), QString());
    // The Delete key is editing, not typing: it reaches the memory and the registers, but the
    // result field takes no editing at all.
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), editable ? before.mid(1) : before);
  }

  void PastingReachesTheFieldUnfiltered() {
    auto& form = driver_->form1;
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5"));
    driver_->Type(form.Nombre1, "9");
    QTest::keyClick(form.Nombre1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.Nombre1->text(), QStringLiteral("91.5"));
    // The result field is the converter's alone: a paste does not reach it.
    QTest::keyClick(form.Result, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form.Result->text(), QString());
    // The next handler reads what the fields hold.
    driver_->Click(form.Button2);
    QCOMPARE(driver_->boxes.size(), std::size_t{1});
    QCOMPARE(driver_->boxes[0].text, QStringLiteral("'91.5' is not a valid floating point value."));
  }
};

QTEST_MAIN(KeyFilterTest)
#include "key_filter_test.moc"
