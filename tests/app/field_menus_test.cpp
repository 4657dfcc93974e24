// The result field stays a result: no input path reaches it, and its menu offers only what fits
// a result. The menus Qt builds for the other fields speak the interface language.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "form1_driver.h"

namespace vaneko::app {

namespace {

// The texts of a context menu's entries, without separators and without the "&" of mnemonics
// or what follows a tab (the shortcut).
QStringList EntriesOf(const QMenu& menu) {
  QStringList entries;
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    QString text = action->text();
    text = text.left(text.indexOf(u'\t')).remove(u'&');
    entries.append(text);
  }
  return entries;
}

// Opens the context menu of `field` as a right click does and reads its entries.
QStringList ContextMenuOf(QLineEdit* field) {
  QStringList entries;
  QTimer::singleShot(0, [&entries] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    entries = EntriesOf(*menu);
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, field->rect().center(),
                          field->mapToGlobal(field->rect().center()));
  QApplication::sendEvent(field, &event);
  // A menu opened with exec() was read by the timer; one opened with popup() is open now.
  if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()); menu != nullptr) {
    entries = EntriesOf(*menu);
    menu->close();
  }
  QCoreApplication::processEvents();  // runs the timer when the menu was not modal
  return entries;
}

}  // namespace

class FieldMenusTest : public Form1Test {
  Q_OBJECT

 private slots:
  void ResultRefusesEveryInputPath_data() {
    QTest::addColumn<QString>("path");
    for (const char* path : {"Ctrl+V", "Shift+Insert", "Ctrl+X", "Delete", "Backspace", "Ctrl+Z",
                             "drop", "middle click"})
      QTest::newRow(path) << QString::fromLatin1(path);
  }
  void ResultRefusesEveryInputPath() {
    QFETCH(QString, path);
    auto& form = driver_->form1;
    driver_->Convert(1, "1", 10, 11);  // 1 nautical mile in kilometres
    const QString result = form.Result->text();
    QCOMPARE(result, QStringLiteral("1,852"));
    QApplication::clipboard()->setText(QStringLiteral("hello"));
    form.Result->setFocus();
    form.Result->selectAll();
    if (path == "drop") {
      QMimeData data;
      data.setText(QStringLiteral("hello"));
      const QPointF at = form.Result->rect().center();
      QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(form.Result, &enter);
      QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(form.Result, &drop);
      QVERIFY(!enter.isAccepted() || !drop.isAccepted());
    } else if (path == "middle click") {
      if (!QApplication::clipboard()->supportsSelection())
        QSKIP("This platform has no selection to paste with the middle button");
      QApplication::clipboard()->setText(QStringLiteral("hello"), QClipboard::Selection);
      QTest::mouseClick(form.Result, Qt::MiddleButton);
    } else {
      QTest::keySequence(form.Result, QKeySequence(path));
    }
    QCOMPARE(form.Result->text(), result);
    // What "Saisir Résultat" carries into the calculator is the result still.
    driver_->Click(form.Button22);
    QCOMPARE(form.Calc->text(), result);
  }

  void ResultMenuOffersWhatFitsAResult_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("French") << false
                            << QStringList{"Copier", "Copier avec l'unité", "Tout sélectionner"};
    QTest::newRow("English") << true << QStringList{"Copy", "Copy with unit", "Select all"};
  }
  void ResultMenuOffersWhatFitsAResult() {
    QFETCH(bool, english);
    QFETCH(QStringList, entries);
    auto& form = driver_->form1;
    if (english) driver_->Click(form.Button3);
    driver_->Convert(0, "100", 0, 1);
    QCOMPARE(ContextMenuOf(form.Result), entries);
  }

  // Qt's own entries of the number field's and Calc's menus follow the language keys at once.
  void QtMenusSpeakTheInterfaceLanguage_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("number field") << "Nombre1";
    QTest::newRow("calculator entry") << "Calc";
  }
  void QtMenusSpeakTheInterfaceLanguage() {
    QFETCH(QString, field);
    auto& form = driver_->form1;
    auto* edit = form.Client->findChild<QLineEdit*>(field);
    QVERIFY(edit != nullptr);
    const QStringList french = ContextMenuOf(edit);
    QVERIFY2(french.contains(QStringLiteral("Copier")) && french.contains("Coller") &&
                 french.contains(QStringLiteral("Tout sélectionner")),
             qPrintable(french.join(u'|')));
    QVERIFY(!french.contains(QStringLiteral("Paste")));
    driver_->Click(form.Button3);  // "English"
    const QStringList english = ContextMenuOf(edit);
    QVERIFY2(english.contains(QStringLiteral("Copy")) && english.contains("Paste") &&
                 english.contains(QStringLiteral("Select All")),
             qPrintable(english.join(u',')));
    driver_->Click(form.Button4);  // "Français"
    QCOMPARE(ContextMenuOf(edit), french);
  }
};

}  // namespace vaneko::app

QTEST_MAIN(vaneko::app::FieldMenusTest)
#include "field_menus_test.moc"
