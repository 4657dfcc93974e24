// The main window Form1: the converter on the left, the calculator panel Panel1 on the right.
//
// The window only binds controls to the session: each control event has a slot named after
// the control and the event. A slot copies the field texts, list selections, tab index and
// angle mode into the session, runs the session's handler, and writes the whole session back
// into the controls, also when the handler failed; the failure is then shown in the error box.
#pragma once

#include <QScrollArea>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "app/message_box.h"
#include "app/qt_texts.h"
#include "session/session.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QFrame;

namespace vaneko::app {

class MultiRowTabControl;
class TapeWindow;
class UnitFinder;
class UnitListBox;

// One calculator key slot: reads the key from its sender.
#define VANEKO_CALCULATOR_KEY_SLOT(handler) \
  void handler() {                          \
    CalculatorKeyClick(sender());           \
  }

class TForm1 : public QScrollArea {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The circle window that "Radians / Degres" shows.
  void SetCircleWindow(QWidget* form2) { form2_ = form2; }
  // Replaces the way the error box and the calculator's notice are shown.
  void SetMessageBox(MessageBoxFunction show) { showMessage_ = std::move(show); }
  // Puts the window at the top of the screen's work area, as wide as it, with a client area as
  // high as the layout or as the work area allows if that is less.
  void AlignToWorkArea();

  // The controls, under their layout names.
  QWidget* Client = nullptr;  // the scrolled area holding the layout
  QLabel* Label2 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Nombre1 = nullptr;
  QLineEdit* Result = nullptr;
  QPushButton* Button2 = nullptr;
  MultiRowTabControl* TabControl1 = nullptr;
  QFrame* Panel1 = nullptr;
  QPushButton* Button44 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label3 = nullptr;
  UnitListBox* Index1 = nullptr;
  UnitListBox* Index2 = nullptr;
  QFrame* Panel5 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button157 = nullptr;
  QPushButton* Button3 = nullptr;
  QPushButton* Button4 = nullptr;
  QLineEdit* Calc = nullptr;
  QLineEdit* mem = nullptr;
  QLineEdit* X1 = nullptr;
  QLineEdit* Y1 = nullptr;
  QLineEdit* Z1 = nullptr;
  QRadioButton* Deg = nullptr;
  QRadioButton* Rad = nullptr;
  QRadioButton* Grad = nullptr;
  QPushButton* Button22 = nullptr;
  QPushButton* Button23 = nullptr;
  // The swap key "⇄" and the notes beside the list headers while the kitchen tab is turned.
  QPushButton* SwapKey = nullptr;
  QLabel* FromNote = nullptr;
  QLabel* ToNote = nullptr;
  // The tape: its key on the calculator panel and its window.
  QPushButton* TapeKey = nullptr;
  TapeWindow* Tape() const { return tapeWindow_; }
  // The unit finder, made when Ctrl+F first opens it: null until then.
  UnitFinder* Finder() const { return unitFinder_; }

 public slots:
  // Converter.
  void DoConvert();
  void TabControl1Change();
  void Button1Click();
  void Button3Click();
  void Button4Click();
  void Button44Click();
  void Button47Click();
  void Button49Click();
  void Button50Click();
  void Button157Click();
  void SwapKeyClick();
  // Shows the tape window (the key "Ruban" or Ctrl+T).
  void TapeKeyClick();
  // Opens the unit finder over the unit lists (Ctrl+F).
  void FindUnitClick();
  // Key filters: run the field's filter for a typed character and let through what it admits.
  void CalcKeyPress(QLineEdit* sender, char32_t key);
  void ResultKeyPress(QLineEdit* sender, char32_t key);

  // Calculator: entry, operators and "=".
  VANEKO_CALCULATOR_KEY_SLOT(Button40Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button41Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button46Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button42Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button6Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button15Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button16Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button17Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button18Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button43Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button26Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button29Click)
  // Memory, registers and the exchange with the converter.
  VANEKO_CALCULATOR_KEY_SLOT(Button37Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button21Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button10Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button38Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button39Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button28Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button105Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button108Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button106Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button107Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button103Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button111Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button114Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button112Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button113Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button104Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button115Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button118Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button116Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button117Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button22Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button23Click)
  // Function keys.
  VANEKO_CALCULATOR_KEY_SLOT(Button24Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button25Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button27Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button30Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button31Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button34Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button35Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button36Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button60Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button61Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button62Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button63Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button64Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button66Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button67Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button109Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button110Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button119Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button120Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button122Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button121Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button123Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button124Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button125Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button126Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button167Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button168Click)
  // Formula keys over the registers.
  VANEKO_CALCULATOR_KEY_SLOT(Button127Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button128Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button129Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button130Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button131Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button132Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button133Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button134Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button135Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button136Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button137Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button138Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button139Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button140Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button141Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button142Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button143Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button144Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button145Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button147Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button151Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button148Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button149Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button152Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button153Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button150Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button146Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button154Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button155Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button156Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button158Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button159Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button160Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button161Click)
  // Constant keys.
  VANEKO_CALCULATOR_KEY_SLOT(Button32Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button72Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button76Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button77Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button79Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button78Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button74Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button82Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button70Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button68Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button69Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button71Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button73Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button81Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button80Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button65Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button75Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button33Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button5Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button88Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button90Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button86Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button87Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button89Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button91Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button92Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button83Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button84Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button85Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button93Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button94Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button95Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button96Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button97Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button98Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button99Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button101Click)
  VANEKO_CALCULATOR_KEY_SLOT(Button100Click)

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Builders, one per part of the layout.
  void BuildConverterHalf();
  void BuildAboutPanel();
  // The result field's context menu: "Copier", "Copier avec l'unité", "Tout sélectionner".
  void BuildResultMenu();
  // The lists' definitions as item tooltips, and the result with its unit as the result
  // field's tooltip and the text "Copier avec l'unité" copies.
  void ShowUnitDefinitions();
  void ShowResultWithUnit();
  QString ResultWithUnit() const;
  void BuildSwapKey();
  // The swap key's state, tooltip and header notes for the session's tab and language.
  void ShowSwapKey();
  void BuildCalculatorPanel();
  void SetTabOrder();
  void BuildTape();
  // Scrolls the client area just enough to show `place` (in the client's coordinates).
  void ScrollToShow(const QRect& place);
  void WriteTapeCaptions();
  void BuildUnitFinder();
  void WriteFinderCaptions();
  // Connects a button's click to the slot named `handler`.
  void ConnectClick(QPushButton* button, const char* handler);
  // Names `control` for a screen reader, now and after every change of interface language.
  void Speak(QWidget* control, const calculator::Spoken& name,
             const calculator::Spoken& description);
  // Gives every named control its name and description in the session's language.
  void SpeakInterfaceLanguage();

  // The session's field behind a line edit.
  const vaneko::Field* FieldOf(const QObject* edit) const;
  QLineEdit* EditOf(vaneko::Field field) const;

  // Copies the controls into the session and back.
  void ReadControls();
  void WriteControls();
  // Reads the controls, runs `handler`, writes the controls back and shows any failure.
  // Returns false when the handler failed.
  bool Run(const std::function<void()>& handler);
  void ShowMessage(const QString& text, bool critical);

  void CalculatorKeyClick(QObject* sender);
  // Runs a key filter for `key` typed into `sender` and inserts what it admits at the caret.
  void FilterTypedKey(QLineEdit* sender, char32_t key, bool calculatorFilter);

  vaneko::Session session_;
  std::vector<std::pair<QLineEdit*, vaneko::Field>> fields_;
  std::vector<QPushButton*> calculatorKeys_;
  struct SpokenControl {
    QWidget* control;
    calculator::Spoken name;
    calculator::Spoken description;
  };
  std::vector<SpokenControl> spoken_;
  std::optional<catalogue::Language> spokenLanguage_;  // the language the names are in
  QtTexts qtTexts_;  // Qt's own texts (context menus, standard buttons) in that language
  QAction* copyNumber_ = nullptr;    // "Copier": the result field's text as shown
  QAction* copyWithUnit_ = nullptr;  // "Copier avec l'unité": the text and the to-list's unit
  QAction* selectAll_ = nullptr;     // "Tout sélectionner"
  QWidget* form2_ = nullptr;
  TapeWindow* tapeWindow_ = nullptr;
  UnitFinder* unitFinder_ = nullptr;
  MessageBoxFunction showMessage_;
  bool aligned_ = false;
};

#undef VANEKO_CALCULATOR_KEY_SLOT

}  // namespace vaneko::app
