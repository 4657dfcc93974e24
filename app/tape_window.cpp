#include "app/tape_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/form1_layout.h"
#include "app/tform1.h"
#include "app/utf8_qstring.h"

namespace vaneko::app {

namespace {

// The key on the calculator panel that opens the tape: in the empty corner right of the memory
// field, below the formula keys, where nothing of the panel is drawn.
inline constexpr Place kTapeKeyPlace{606, 588, 90, 25};
inline constexpr calculator::Spoken kTapeKeyCaption{"Ruban", "Tape"};
inline constexpr calculator::Spoken kTapeKeyName{"Ruban des calculs", "Calculation tape"};
inline constexpr calculator::Spoken kTapeKeyDescription{
    "Ouvre le ruban : chaque étape du calculateur, une ligne chacune (Ctrl+T)",
    "Opens the tape: every step of the calculator, one line each (Ctrl+T)"};
inline constexpr calculator::Spoken kTitle{"Ruban", "Tape"};
inline constexpr calculator::Spoken kListName{"Lignes du ruban", "Tape lines"};
inline constexpr calculator::Spoken kListDescription{
    "Double-clic : le résultat de la ligne dans l'entrée du calculateur",
    "Double-click: the line's result into the calculator's entry"};
inline constexpr calculator::Spoken kCopyCaption{"Copier", "Copy"};
inline constexpr calculator::Spoken kCopyName{"Copier tout le ruban", "Copy the whole tape"};
inline constexpr calculator::Spoken kClearCaption{"Effacer", "Clear"};
inline constexpr calculator::Spoken kClearName{"Effacer le ruban", "Clear the tape"};
inline constexpr QSize kWindowSize{360, 420};

QString In(const calculator::Spoken& text, bool english) {
  return FromUtf8(english ? text.english : text.french);
}

}  // namespace

TapeWindow::TapeWindow(calculator::Tape& tape, QWidget* parent)
    : QWidget(parent, Qt::Window), tape_(tape) {
  setObjectName(QStringLiteral("TapeWindow"));
  setFont(MakeFont(kWindowFont));
  // The main window alone ends the program; this one closes with it.
  setAttribute(Qt::WA_QuitOnClose, false);

  Lines = new QListWidget(this);
  Lines->setObjectName(QStringLiteral("TapeLines"));
  Lines->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // No line is cut: a long line wraps onto as many rows as it needs, at the list's width and
  // again when the window is resized, and its tooltip is the whole line.
  Lines->setWordWrap(true);
  Lines->setTextElideMode(Qt::ElideNone);
  Lines->setResizeMode(QListView::Adjust);
  Lines->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  CopyKey = new QPushButton(this);
  CopyKey->setObjectName(QStringLiteral("TapeCopy"));
  ClearKey = new QPushButton(this);
  ClearKey->setObjectName(QStringLiteral("TapeClear"));

  auto* keys = new QHBoxLayout;
  keys->addStretch();
  keys->addWidget(CopyKey);
  keys->addWidget(ClearKey);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Lines);
  layout->addLayout(keys);

  connect(CopyKey, &QPushButton::clicked, this, &TapeWindow::CopyAll);
  connect(ClearKey, &QPushButton::clicked, this, &TapeWindow::ClearAll);
  // Ctrl+C copies the whole tape, not only the line under the cursor.
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  copy->setContext(Qt::WindowShortcut);
  connect(copy, &QShortcut::activated, this, &TapeWindow::CopyAll);
  connect(Lines, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { emit ResultChosen(Lines->row(item)); });

  tape_.Changed = [this] {
    // A hidden window is brought up to date when it is shown.
    if (isVisible()) Refresh();
  };
  SetLanguage(false);
  resize(kWindowSize);
}

void TapeWindow::SetLanguage(bool english) {
  setWindowTitle(In(kTitle, english));
  CopyKey->setText(In(kCopyCaption, english));
  CopyKey->setAccessibleName(In(kCopyName, english));
  CopyKey->setToolTip(In(kCopyName, english) + QStringLiteral(" (Ctrl+C)"));
  ClearKey->setText(In(kClearCaption, english));
  ClearKey->setAccessibleName(In(kClearName, english));
  ClearKey->setToolTip(In(kClearName, english));
  Lines->setAccessibleName(In(kListName, english));
  Lines->setAccessibleDescription(In(kListDescription, english));
  Lines->setToolTip(In(kListDescription, english));
}

void TapeWindow::CopyAll() {
  QApplication::clipboard()->setText(QString::fromStdString(tape_.Text()));
}

void TapeWindow::ClearAll() {
  tape_.Clear();
  Refresh();
}

void TapeWindow::Refresh() {
  Lines->clear();
  for (const calculator::TapeLine& line : tape_.Lines()) {
    const QString text = QString::fromStdString(line.text);
    auto* item = new QListWidgetItem(text, Lines);
    item->setToolTip(text);
  }
  Lines->scrollToBottom();
}

void TapeWindow::showEvent(QShowEvent* event) {
  Refresh();
  QWidget::showEvent(event);
}

// The main window's side: the key that opens the tape, its shortcut, and the way back of a
// double-clicked line.
void TForm1::BuildTape() {
  tapeWindow_ = new TapeWindow(session_.tape, this);
  connect(tapeWindow_, &TapeWindow::ResultChosen, this, [this](int row) {
    if (row < 0) return;
    Run([this, row] { session_.PutTapeResult(static_cast<std::size_t>(row)); });
  });
  TapeKey = new QPushButton(Panel1);
  TapeKey->setObjectName(QStringLiteral("TapeKey"));
  TapeKey->setGeometry(kTapeKeyPlace.left, kTapeKeyPlace.top, kTapeKeyPlace.width,
                       kTapeKeyPlace.height);
  connect(TapeKey, &QPushButton::clicked, this, &TForm1::TapeKeyClick);
  auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
  shortcut->setContext(Qt::WindowShortcut);
  connect(shortcut, &QShortcut::activated, this, &TForm1::TapeKeyClick);
  Speak(TapeKey, kTapeKeyName, kTapeKeyDescription);
}

void TForm1::TapeKeyClick() {
  // Shown, in front and active, so that Ctrl+C copies the tape at once.
  if (tapeWindow_->isMinimized())
    tapeWindow_->showNormal();
  else
    tapeWindow_->show();
  tapeWindow_->raise();
  tapeWindow_->activateWindow();
}

void TForm1::WriteTapeCaptions() {
  const bool english = session_.converter.DisplayLanguage == catalogue::Language::English;
  TapeKey->setText(In(kTapeKeyCaption, english));
  TapeKey->setToolTip(In(kTapeKeyDescription, english));
  tapeWindow_->SetLanguage(english);
}

}  // namespace vaneko::app
