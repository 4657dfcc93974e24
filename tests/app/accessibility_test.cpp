// What a screen reader finds of the category tabs: a page tab list with the 18 tabs as page
// tabs, named by their captions in the interface language, the current one selected, and
// events when the selection changes.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <vector>

#include "app/multi_row_tab_control.h"
#include "app/tape_window.h"
#include "app/unit_list_box.h"
#include "form1_driver.h"

using vaneko::app::Form1Driver;
using vaneko::app::TForm1;

namespace {

const QStringList kFrenchTabs = {
    "Température", "Distance", "Masse",         "Surface", "Volume Liquide", "Gramme-Volume",
    "Pression",    "Vitesse",  "Accélération",  "Force",   "Énergie",        "Pouvoir",
    "Essence",     "Débit",    "Débit (Masse)", "Torque",  "Radioactivité",  "Angles"};
const QStringList kEnglishTabs = {
    "Temperature", "Distance", "Mass",         "Area",   "Fluid Volume",  "Gramme-Volume",
    "Pressure",    "Velocyty", "Acceleration", "Force",  "Energy",        "Power",
    "Fuel",        "Flow",     "Flow (Mass)",  "Torque", "Radioactivity", "Angles"};

struct Announced {
  QAccessible::Event type;
  QObject* object;
  int child;
};

std::vector<Announced>* recorded = nullptr;

void Record(QAccessibleEvent* event) {
  if (recorded != nullptr) recorded->push_back({event->type(), event->object(), event->child()});
}

QAccessibleInterface* Tabs(const TForm1& form) {
  return QAccessible::queryAccessibleInterface(form.TabControl1);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // What a screen reader's bridge does when it connects: accessibility becomes active, and
    // the events come to our handler instead of the bridge.
    QAccessible::installUpdateHandler(&Record);
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform != nullptr);
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
  }
  void init() {
    driver_ = std::make_unique<Form1Driver>();
    recorded = &events_;
  }
  void cleanup() {
    recorded = nullptr;
    events_.clear();
    driver_.reset();
  }

  void TabsArePageTabsNamedByTheirCaptions_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("selected");
    QTest::newRow("French at start-up") << false << 0;
    QTest::newRow("French, Pression") << false << 6;
    QTest::newRow("English, Pressure") << true << 6;
    QTest::newRow("English, last tab") << true << 17;
  }

  void TabsArePageTabsNamedByTheirCaptions() {
    QFETCH(bool, english);
    QFETCH(int, selected);
    TForm1& form = driver_->form1;
    if (selected != 0) driver_->ClickTab(selected);
    if (english) driver_->Click(form.Button3);
    const QStringList& captions = english ? kEnglishTabs : kFrenchTabs;

    QAccessibleInterface* list = Tabs(form);
    QVERIFY(list != nullptr);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QVERIFY(list->childCount() >= 18);
    int selectedCount = 0;
    for (int index = 0; index < 18; ++index) {
      QAccessibleInterface* tab = list->child(index);
      QVERIFY(tab != nullptr);
      QCOMPARE(tab->role(), QAccessible::PageTab);
      QCOMPARE(tab->text(QAccessible::Name), captions[index]);
      QCOMPARE(tab->state().selected, index == selected);
      QVERIFY(tab->state().selectable);
      selectedCount += tab->state().selected ? 1 : 0;
      QCOMPARE(tab->parent(), list);
      QCOMPARE(list->indexOfChild(tab), index);
      // Where the tab is drawn.
      const QRect drawn = form.TabControl1->TabRect(index);
      QCOMPARE(tab->rect().center(), form.TabControl1->mapToGlobal(drawn.center()));
      QCOMPARE(list->childAt(tab->rect().center().x(), tab->rect().center().y()), tab);
    }
    QCOMPARE(selectedCount, 1);
  }

  void ControlsOnThePageStayReachable() {
    QAccessibleInterface* list = Tabs(driver_->form1);
    QList<QObject*> children;
    for (int index = 18; index < list->childCount(); ++index) {
      QAccessibleInterface* child = list->child(index);
      QVERIFY(child != nullptr);
      QCOMPARE(child->parent(), list);
      QCOMPARE(list->indexOfChild(child), index);
      children.append(child->object());
    }
    const QList<QObject*> page = {driver_->form1.Index1, driver_->form1.Index2,
                                  driver_->form1.Button1, driver_->form1.Button157};
    for (QObject* control : page)
      QVERIFY2(children.contains(control), qPrintable(control->objectName()));
    // A list's parent leads back to the tab list.
    QCOMPARE(QAccessible::queryAccessibleInterface(driver_->form1.Index1)->parent(), list);
  }

  void SelectionChangesAreAnnounced_data() {
    QTest::addColumn<int>("how");  // 0: a click, 1: Right on the tabs, 2: Ctrl+Tab in a list
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("tabsFocused");
    QTest::newRow("click on tab 9") << 0 << 9 << true;
    QTest::newRow("Right with the focus on the tabs") << 1 << 1 << true;
    QTest::newRow("Ctrl+Tab with the focus in a list") << 2 << 1 << false;
  }

  void SelectionChangesAreAnnounced() {
    QFETCH(int, how);
    QFETCH(int, expected);
    QFETCH(bool, tabsFocused);
    TForm1& form = driver_->form1;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (how == 0) {
      events_.clear();
      driver_->ClickTab(expected);
    } else {
      QWidget* focus = how == 1 ? static_cast<QWidget*>(form.TabControl1) : form.Index1;
      focus->setFocus(Qt::TabFocusReason);
      events_.clear();
      if (how == 1)
        QTest::keyClick(focus, Qt::Key_Right);
      else
        QTest::keyClick(focus, Qt::Key_Tab, Qt::ControlModifier);
    }
    QCOMPARE(form.TabControl1->CurrentIndex(), expected);
    bool selection = false;
    bool focus = false;
    for (const Announced& event : events_) {
      if (event.object != form.TabControl1 || event.child != expected) continue;
      selection = selection || event.type == QAccessible::Selection;
      focus = focus || event.type == QAccessible::Focus;
    }
    QVERIFY(selection);
    QCOMPARE(focus, tabsFocused);  // the focus moves to the tab only when the tabs have it
    QAccessibleInterface* tab = Tabs(form)->child(expected);
    QCOMPARE(tab->state().focused, tabsFocused);
    if (tabsFocused) QCOMPARE(Tabs(form)->focusChild(), tab);
  }

  void PressActionSelectsTheTab() {
    TForm1& form = driver_->form1;
    QAccessibleInterface* tab = Tabs(form)->child(12);
    QAccessibleActionInterface* actions = tab->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(form.TabControl1->CurrentIndex(), 12);
    QCOMPARE(Form1Driver::Items(form.Index1).first(), QStringLiteral("Kilomètre par Litre"));
    QVERIFY(tab->state().selected);
  }

  void LanguageChangeRenamesTheTabs() {
    TForm1& form = driver_->form1;
    driver_->Click(form.Button3);
    bool renamedPressure = false;
    for (const Announced& event : events_)
      renamedPressure = renamedPressure || (event.type == QAccessible::NameChanged &&
                                            event.object == form.TabControl1 && event.child == 6);
    QVERIFY(renamedPressure);
    driver_->Click(form.Button4);
    QCOMPARE(Tabs(form)->child(6)->text(QAccessible::Name), kFrenchTabs[6]);
  }

  // The three windows are frames named by their titles, in either language.
  void WindowsAreFramesNamedByTheirTitles() {
    auto& form = driver_->form1;
    driver_->Click(driver_->CalculatorKey(QStringLiteral("Ruban")));
    form.Button157->click();  // "Radians / Degres": the circle window
    for (bool english : {false, true}) {
      if (english) driver_->Click(form.Button3);
      for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&driver_->form2),
                              static_cast<QWidget*>(form.Tape())}) {
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
        QVERIFY(frame != nullptr);
        QCOMPARE(frame->role(), QAccessible::Window);
        QVERIFY(!window->windowTitle().isEmpty());
        QCOMPARE(frame->text(QAccessible::Name), window->windowTitle());
      }
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Tape())->text(QAccessible::Name),
             QStringLiteral("Tape"));
  }

  void LogoIsNamedOnceItsShadowHidden() {
    auto* logo = driver_->form1.Client->findChild<QLabel*>(QStringLiteral("Image1"));
    auto* shadow = driver_->form1.Client->findChild<QLabel*>(QStringLiteral("Image2"));
    QVERIFY(logo != nullptr && shadow != nullptr);
    QCOMPARE(QAccessible::queryAccessibleInterface(logo)->text(QAccessible::Name),
             QStringLiteral("Logo de Vaneko"));
    QVERIFY(QAccessible::queryAccessibleInterface(shadow)->state().invisible);
    QVERIFY(!QAccessible::queryAccessibleInterface(logo)->state().invisible);
    driver_->Click(driver_->form1.Button3);
    QCOMPARE(QAccessible::queryAccessibleInterface(logo)->text(QAccessible::Name),
             QStringLiteral("Vaneko logo"));
  }

  // Each unit list names its label and its label names it; Calc is labelled by its own name.
  void LabelRelationsGoBothWays() {
    auto& form = driver_->form1;
    const std::pair<QWidget*, QLabel*> pairs[] = {
        {form.Index1, form.Label4}, {form.Index2, form.Label3}, {form.Nombre1, form.Label2}};
    for (const auto& [control, label] : pairs) {
      QAccessibleInterface* controlInterface = QAccessible::queryAccessibleInterface(control);
      QAccessibleInterface* labelInterface = QAccessible::queryAccessibleInterface(label);
      bool labelled = false;
      for (const auto& [other, relation] : controlInterface->relations(QAccessible::Label))
        labelled = labelled || (other == labelInterface && relation == QAccessible::Label);
      QVERIFY2(labelled, qPrintable(control->objectName()));
      bool labels = false;
      for (const auto& [other, relation] : labelInterface->relations(QAccessible::Labelled))
        labels = labels || (other == controlInterface && relation == QAccessible::Labelled);
      QVERIFY2(labels, qPrintable(label->objectName()));
    }
    QAccessibleInterface* calc = QAccessible::queryAccessibleInterface(form.Calc);
    const auto calcLabels = calc->relations(QAccessible::Label);
    QCOMPARE(calcLabels.size(), 1);
    QCOMPARE(calcLabels.first().first->text(QAccessible::Name),
             QStringLiteral("Entrée de la calculatrice"));
    bool labelsCalc = false;
    for (const auto& [other, relation] : calcLabels.first().first->relations(QAccessible::Labelled))
      labelsCalc = labelsCalc || other == calc;
    QVERIFY(labelsCalc);
    driver_->Click(form.Button3);
    QCOMPARE(calc->relations(QAccessible::Label).first().first->text(QAccessible::Name),
             QStringLiteral("Calculator entry"));
    // Calc is still an editable text.
    QVERIFY(calc->editableTextInterface() != nullptr);
  }

  // Rows are read by their names without trailing blanks, blank rows not at all; what the
  // lists show is untouched. The kitchen tab has headings ("En Gramme ") and blank rows.
  void UnitRowsAreReadTrimmedAndBlankRowsSilent_data() {
    QTest::addColumn<int>("tab");
    QTest::newRow("Température") << 0;
    QTest::newRow("Gramme-Volume") << 5;
    QTest::newRow("Angles") << 17;
  }
  void UnitRowsAreReadTrimmedAndBlankRowsSilent() {
    QFETCH(int, tab);
    auto& form = driver_->form1;
    driver_->ClickTab(tab);
    int blanks = 0;
    int trimmed = 0;
    for (vaneko::app::UnitListBox* list : {form.Index1, form.Index2}) {
      QAccessibleInterface* rows = QAccessible::queryAccessibleInterface(list);
      QCOMPARE(rows->role(), QAccessible::List);
      QCOMPARE(rows->childCount(), list->count());
      for (int row = 0; row < list->count(); ++row) {
        const QString shown = list->item(row)->text();
        QAccessibleInterface* item = rows->child(row);
        QVERIFY(item != nullptr);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->text(QAccessible::Name), shown.trimmed());
        QCOMPARE(rows->indexOfChild(item), row);
        QCOMPARE(item->parent(), rows);
        blanks += shown.trimmed().isEmpty() ? 1 : 0;
        trimmed += shown != shown.trimmed() && !shown.trimmed().isEmpty() ? 1 : 0;
      }
    }
    // The kitchen lists hold both cases; the names shown keep their blanks.
    if (tab == 5) {
      QVERIFY(blanks > 0);
      QVERIFY(trimmed > 0);
      QVERIFY(driver_->Items(form.Index1).contains(QStringLiteral("En Gramme ")) ||
              driver_->Items(form.Index2).contains(QStringLiteral("En Gramme ")));
    }
    // A selected row is the list's focus child and is read trimmed too.
    driver_->ClickItem(form.Index1, 1);
    QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(form.Index1)->focusChild();
    QVERIFY(focus != nullptr);
    QCOMPARE(focus->text(QAccessible::Name), form.Index1->item(1)->text().trimmed());
  }

 private:
  std::unique_ptr<Form1Driver> driver_;
  std::vector<Announced> events_;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
