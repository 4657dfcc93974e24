// The swap key "⇄" between the two list headers, and the notes beside the headers that say which
// way the kitchen tab runs while the key has turned it round. Both sit in space the layout leaves
// empty: the key above the gap between the lists, the notes after the "DE" and "À" captions,
// which keep their text. At start-up the notes are hidden, so the window looks as it always has
// apart from the key.
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

#include "app/form1_layout.h"
#include "app/multi_row_tab_control.h"
#include "app/tform1.h"

namespace vaneko::app {

namespace {

// Above the 9-pixel gap between Index1 (ends at x = 247) and Index2 (starts at x = 256), below
// the tab rows and above the lists (which start at y = 78).
inline constexpr ControlLayout kSwapKey{
    "SwapKey",
    {233, 53, 38, 23},
    kMss12,
    "⇄",
    {"Échanger les listes", "Swap the lists"},
    {"Convertit dans l'autre sens; sur Gramme-Volume, passe des grammes aux mesures ou des "
     "mesures aux grammes",
     "Converts the other way round; on Gramme-Volume, turns grams to measures into measures to "
     "grams and back"}};
// Right of "DE" (x = 118) and of "À" (x = 336), on their baseline; moved to follow the
// headers' width in each language.
inline constexpr ControlLayout kFromNote{"FromNote", {148, 57, 80, 17}, kMss11};
inline constexpr ControlLayout kToNote{"ToNote", {354, 57, 76, 17}, kMss11};

inline constexpr int kNoteGap = 5;

// Alt+X: no key filter reads Alt combinations, and no other control uses it.
inline constexpr auto kSwapShortcut = Qt::ALT | Qt::Key_X;

struct Note {
  const char* from;
  const char* to;
};
inline constexpr Note kFrenchNotes{"(mesure)", "(grammes)"};
inline constexpr Note kEnglishNotes{"(measure)", "(grams)"};
inline constexpr const char* kFrenchTip = "Échanger les listes (Alt+X)";
inline constexpr const char* kEnglishTip = "Swap the lists (Alt+X)";

QLabel* MakeNote(QWidget* parent, const ControlLayout& layout) {
  auto* note = new QLabel(parent);
  note->setObjectName(QString::fromLatin1(layout.name));
  note->setGeometry(layout.place.left, layout.place.top, layout.place.width, layout.place.height);
  note->setFont(MakeFont(layout.font));
  note->hide();
  return note;
}

}  // namespace

void TForm1::BuildSwapKey() {
  SwapKey = new QPushButton(QString::fromUtf8(kSwapKey.caption), TabControl1);
  SwapKey->setObjectName(QString::fromLatin1(kSwapKey.name));
  SwapKey->setGeometry(kSwapKey.place.left, kSwapKey.place.top, kSwapKey.place.width,
                       kSwapKey.place.height);
  SwapKey->setFont(MakeFont(kSwapKey.font));
  // Shown pressed while the kitchen tab runs measures → grams.
  SwapKey->setCheckable(true);
  SwapKey->setShortcut(QKeySequence(kSwapShortcut));
  // No Tab stop: Tab keeps visiting the layout's controls in the layout's order, and the key
  // leaves the focus where the user is typing. Alt+X presses it from anywhere in the window.
  SwapKey->setFocusPolicy(Qt::NoFocus);
  Speak(SwapKey, kSwapKey.spoken, kSwapKey.description);
  connect(SwapKey, &QPushButton::clicked, this, &TForm1::SwapKeyClick);
  FromNote = MakeNote(TabControl1, kFromNote);
  ToNote = MakeNote(TabControl1, kToNote);
}

void TForm1::ShowSwapKey() {
  const convert::ConverterModel& converter = session_.converter;
  const bool english = converter.DisplayLanguage == catalogue::Language::English;
  SwapKey->setToolTip(QString::fromUtf8(english ? kEnglishTip : kFrenchTip));
  const bool turned = converter.TabIndex == catalogue::kKitchenTab && converter.KitchenReversed;
  SwapKey->setChecked(turned);
  const Note& note = english ? kEnglishNotes : kFrenchNotes;
  FromNote->setText(QString::fromUtf8(note.from));
  ToNote->setText(QString::fromUtf8(note.to));
  // Each note follows its header, whose caption is wider in English ("From") than in French.
  for (QLabel* note : {FromNote, ToNote}) note->resize(note->sizeHint().width(), note->height());
  FromNote->move(Label4->geometry().right() + kNoteGap, kFromNote.place.top);
  ToNote->move(Label3->geometry().right() + kNoteGap, kToNote.place.top);
  FromNote->setVisible(turned);
  ToNote->setVisible(turned);
}

void TForm1::SwapKeyClick() {
  Run([this] { session_.Swap(); });
}

}  // namespace vaneko::app
