// The main window Form1: the converter on the left, the calculator panel Panel1 on the right.
//
// The window only binds controls to the session: each control event has a slot named after
// the control and the event. A slot copies the field texts, list selections, tab index and
// angle mode into the session, runs the session's handler, and writes the whole session back
// into the controls, also when the handler failed; the failure is then shown in the error box.
#pragma once

#include <QScrollArea>
#include <QString>
#include <cstddef>
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

  // A click on the calculator key of this row of the key table.
  void CalculatorKeyClick(std::size_t row);
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

}  // namespace vaneko::app
