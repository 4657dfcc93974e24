#include "app/unit_finder.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QShortcut>
#include <QVBoxLayout>
#include <string_view>

#include "app/tform1.h"
#include "app/unit_list_box.h"
#include "app/utf8_qstring.h"

namespace vaneko::app {

namespace {

// Where a listed unit is, kept in its item.
constexpr int kTabRole = Qt::UserRole;
constexpr int kListRole = Qt::UserRole + 1;
constexpr int kPositionRole = Qt::UserRole + 2;

// The finder's size at most: as wide as both lists, about fifteen units high.
constexpr int kMostHeight = 260;

struct FinderTexts {
  const char* title;
  const char* queryDescription;
  const char* unitsName;
  const char* unitsDescription;
  const char* keys;
  const char* nothing;
};

constexpr FinderTexts kFrench{
    "Chercher une unité",
    "Le nom, un autre nom ou le symbole d'une unité, en français ou en anglais",
    "Unités trouvées",
    "Entrée choisit l'unité comme unité de départ, Maj+Entrée comme unité d'arrivée",
    "Entrée : unité de départ    Maj+Entrée : unité d'arrivée    Échap : fermer",
    "Aucune unité trouvée"};
constexpr FinderTexts kEnglish{"Find a unit",
                               "A unit's name, other name or symbol, in French or English",
                               "Units found",
                               "Enter chooses the unit to convert from, Shift+Enter to convert to",
                               "Enter: unit to convert from    Shift+Enter: unit to convert to    "
                               "Esc: close",
                               "No unit found"};

const FinderTexts& TextsIn(catalogue::Language language) {
  return language == catalogue::Language::English ? kEnglish : kFrench;
}

// "Mile per Hour (mph) — Velocyty": the unit as its list shows it in `language`, the text that
// matched when it is not that name, and the category.
QString UnitLine(const catalogue::UnitHit& hit, catalogue::Language language) {
  const auto names = hit.list == catalogue::UnitList::From ? catalogue::FromList(hit.tab, language)
                                                           : catalogue::ToList(hit.tab, language);
  const std::string_view name = names[static_cast<std::size_t>(hit.position)];
  QString line = FromUtf8(name).trimmed();
  if (catalogue::FoldName(hit.matched) != catalogue::FoldName(name))
    line += QStringLiteral(" (") + FromUtf8(hit.matched).trimmed() + u')';
  return line + QStringLiteral(" — ") + FromUtf8(catalogue::TabCaption(hit.tab, language));
}

}  // namespace

UnitFinder::UnitFinder(QWidget* parent) : QFrame(parent, Qt::Popup) {
  setObjectName(QStringLiteral("UnitFinder"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  if (parent != nullptr) setFont(parent->font());  // a window of its own inherits no font

  Query = new QLineEdit(this);
  Query->setObjectName(QStringLiteral("FinderQuery"));
  Query->setClearButtonEnabled(true);
  Units = new QListWidget(this);
  Units->setObjectName(QStringLiteral("FinderUnits"));
  Units->setSelectionMode(QAbstractItemView::SingleSelection);
  Units->setUniformItemSizes(true);
  Units->setFocusPolicy(Qt::ClickFocus);  // the box keeps the focus; its arrows move here
  Hint = new QLabel(this);
  Hint->setObjectName(QStringLiteral("FinderHint"));
  Hint->setWordWrap(true);  // the keys in English take more room

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 3, 3, 3);
  layout->setSpacing(3);
  layout->addWidget(Query);
  layout->addWidget(Units, 1);
  layout->addWidget(Hint);

  Query->installEventFilter(this);
  Units->installEventFilter(this);
  Units->viewport()->installEventFilter(this);
  connect(Query, &QLineEdit::textChanged, this, &UnitFinder::ListUnits);
  SetLanguage(catalogue::Language::French);
}

void UnitFinder::Open(const QRect& area) {
  Query->clear();
  ListUnits();
  setGeometry(area.left(), area.top(), area.width(), qMin(area.height(), kMostHeight));
  show();
  Query->setFocus(Qt::PopupFocusReason);
}

void UnitFinder::SetLanguage(catalogue::Language language) {
  if (named_ && language == language_) return;
  named_ = true;
  language_ = language;
  const FinderTexts& texts = TextsIn(language);
  const QString title = QString::fromUtf8(texts.title);
  setWindowTitle(title);
  setAccessibleName(title);
  Query->setPlaceholderText(title);
  Query->setAccessibleName(title);
  Query->setAccessibleDescription(QString::fromUtf8(texts.queryDescription));
  Units->setAccessibleName(QString::fromUtf8(texts.unitsName));
  Units->setAccessibleDescription(QString::fromUtf8(texts.unitsDescription));
  ListUnits();
}

void UnitFinder::ListUnits() {
  const int current = Units->currentRow();
  const QString typed = Query->text();
  Units->clear();
  for (const catalogue::UnitHit& hit : catalogue::SearchUnits(typed.toStdString())) {
    auto* item = new QListWidgetItem(UnitLine(hit, language_), Units);
    item->setData(kTabRole, hit.tab);
    item->setData(kListRole, static_cast<int>(hit.list));
    item->setData(kPositionRole, hit.position);
  }
  // Rewritten in another language, the same unit stays highlighted; a new text starts at the top.
  const bool sameText = typed == listedFor_;
  listedFor_ = typed;
  if (Units->count() > 0)
    Units->setCurrentRow(sameText && current >= 0 && current < Units->count() ? current : 0);
  ShowHint();
}

void UnitFinder::ShowHint() {
  const FinderTexts& texts = TextsIn(language_);
  const bool nothing = !Query->text().trimmed().isEmpty() && Units->count() == 0;
  Hint->setText(QString::fromUtf8(nothing ? texts.nothing : texts.keys));
}

void UnitFinder::PickCurrent(catalogue::UnitList into) {
  const QListWidgetItem* item = Units->currentItem();
  if (item == nullptr) return;
  const int tab = item->data(kTabRole).toInt();
  const auto list = static_cast<catalogue::UnitList>(item->data(kListRole).toInt());
  const int position = item->data(kPositionRole).toInt();
  hide();
  emit Picked(tab, list, position, into);
}

bool UnitFinder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == Query || watched == Units)) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        PickCurrent(key->modifiers() & Qt::ShiftModifier ? catalogue::UnitList::To
                                                         : catalogue::UnitList::From);
        return true;
      case Qt::Key_Escape:
        hide();
        return true;
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_PageUp:
      case Qt::Key_PageDown:
        // The box's arrows move the highlight in the list of units.
        if (watched == Query) {
          QKeyEvent moved(key->type(), key->key(), key->modifiers() & ~Qt::ShiftModifier);
          QCoreApplication::sendEvent(Units, &moved);
          return true;
        }
        break;
      default:
        break;
    }
  }
  if (watched == Units->viewport() && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex index = Units->indexAt(mouse->position().toPoint());
    if (mouse->button() == Qt::LeftButton && index.isValid()) {
      Units->setCurrentIndex(index);
      PickCurrent(mouse->modifiers() & Qt::ShiftModifier ? catalogue::UnitList::To
                                                         : catalogue::UnitList::From);
      return true;
    }
  }
  return QFrame::eventFilter(watched, event);
}

void UnitFinder::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QFrame::keyPressEvent(event);
}

// The main window's side: Ctrl+F opens the finder over the two unit lists, and a unit chosen
// there is selected through the session, as the tab control and a click in a list select it.
void TForm1::BuildUnitFinder() {
  // Only the shortcut at start-up: the finder itself is made when first opened, since its
  // field's clear button loads the icon theme, which would cost the start a sixth of its work.
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
  shortcut->setContext(Qt::WindowShortcut);
  connect(shortcut, &QShortcut::activated, this, &TForm1::FindUnitClick);
}

void TForm1::FindUnitClick() {
  if (unitFinder_ == nullptr) {
    unitFinder_ = new UnitFinder(this);
    connect(unitFinder_, &UnitFinder::Picked, this,
            [this](int tab, catalogue::UnitList list, int position, catalogue::UnitList into) {
              Run([&] { session_.PickUnit(tab, list, position, into); });
            });
    WriteFinderCaptions();
  }
  // Over both lists, from their top, wherever the client area is scrolled.
  const QPoint topLeft = Index1->mapToGlobal(QPoint(0, 0));
  const QPoint bottomRight = Index2->mapToGlobal(QPoint(Index2->width(), Index1->height()));
  unitFinder_->Open(QRect(topLeft, bottomRight));
}

void TForm1::WriteFinderCaptions() {
  if (unitFinder_ != nullptr) unitFinder_->SetLanguage(session_.converter.DisplayLanguage);
}

}  // namespace vaneko::app
