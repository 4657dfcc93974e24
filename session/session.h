// The whole state of the main window, both halves, as plain data with the window's handlers.
// Anything a user can do in the window can be done here without a screen: the Qt window and
// the command line only copy texts in, call a handler and show the texts that come back.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calculator/calculator_model.h"
#include "calculator/key_table.h"
#include "calculator/tape.h"
#include "catalogue/catalogue.h"
#include "catalogue/unit_names.h"
#include "convert/converter_model.h"
#include "core/field.h"

namespace vaneko {

// The captions that follow the interface language.
struct Captions {
  std::string_view Button1 = "Quitter";
  std::string_view Button2 = "Calculer";
  std::string_view Button22 = "Saisir Résultat";
  std::string_view Button23 = "Coller";
  std::string_view Label2 = "Nombre à convertir";
  std::string_view Label3 = "À";
  std::string_view Label4 = "DE";  // the layout's; the "Français" key writes "De"
  std::string_view Label5 = "Résultat";
  std::array<std::string_view, catalogue::kCategoryCount> Tabs{};
};

inline constexpr char kEnterKey = '\r';
inline constexpr char kBackspaceKey = '\b';

class Session {
 public:
  Session();
  // The calculator tells its steps to this session's own tape: a session is not copied.
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  convert::ConverterModel converter;
  calculator::CalculatorModel calculator;
  // Every step the calculator makes, for the tape window; kept for this run only.
  calculator::Tape tape;
  Captions captions;

  // The start-up state of the window's creation handler.
  void FormCreate();

  // Interface language: the keys "English" and "Français".
  void SelectLanguage(catalogue::Language language);

  // The converter's tabs and lists as a user clicks them: a tab refills both lists, a unit
  // chosen in the to-list converts, the swap key "⇄" turns the pair round.
  void SelectTab(int tab) { converter.SelectTab(tab); }
  // "Calculer" and a click in either list; the tab control's change event.
  void DoConvert() { converter.DoConvert(); }
  void TabControl1Change() { converter.TabControl1Change(); }
  void SelectTo(int position) { converter.SelectTo(position); }
  void Swap() { converter.Swap(); }
  // The tab and the selections (-1: none) as the window shows them, copied in before a handler
  // runs: nothing is refilled or converted.
  void ShowTab(int tab) { converter.TabIndex = tab; }
  void ShowFrom(int position) { converter.FromSelected = position; }
  void ShowTo(int position) { converter.ToSelected = position; }

  // Where the calculator's own notice ("Division par 0") is shown: a modal box in the window,
  // the error stream on the command line.
  void ShowNoticeWith(std::function<void(const std::string&)> show) {
    calculator.ShowNotice = std::move(show);
  }

  // The angle-mode radio buttons "Deg", "Rad" and "Grad".
  void SelectAngleMode(calculator::AngleMode mode) { calculator.SelectAngleMode(mode); }

  // A double click on a line of the tape: its result into Calc, as a constant key would put it.
  // False, and nothing changes, for a line without a result or out of range.
  bool PutTapeResult(std::size_t line) { return tape.PutResult(line, calculator); }

  // The converter's keypad: digits and ",", "<<", "C"; and its sign key "+/-".
  void KeypadKey(char key);
  void KeypadBackspace();
  void KeypadClear();
  void NegateNumber();

  // A calculator key: the exchanges with the converter are the session's, which owns both
  // halves; every other command goes to the calculator.
  void Execute(const calculator::Command& command);
  void Press(const calculator::KeyRow& key) { Execute(key.command); }
  // "Saisir Résultat": Calc := the converter's Result, as text; the fresh-entry mark stays.
  void TakeResult();
  // "Coller": the converter's Nombre1 := Calc, as text; nothing is converted.
  void GiveEntry();

  // A unit chosen by the unit finder: the unit at `position` of the catalogue's `list` of
  // category `tab` is selected in the window's from-list (`into` From) or to-list (To), and the
  // conversion runs as a click on it does. A tab not shown yet is selected first (its lists
  // refilled, nothing else selected); a tab already shown keeps the other list's selection. On
  // the kitchen tab a food goes to the foods list and a measure to the measures list: when that
  // list is on the other side, the tab is turned round as the swap key turns it. Does nothing
  // for a tab or position that does not exist.
  void PickUnit(int tab, catalogue::UnitList list, int position, catalogue::UnitList into);

  // Key filters. Given the field typed into and the typed character (a Unicode code point),
  // returns the character that reaches the field, inserted at the caret, or nothing.
  std::optional<char> CalcKeyPress(Field sender, char32_t key);
  std::optional<char> ResultKeyPress(Field sender, char32_t key);
  // Runs the field's filter and inserts what it lets through at the end of the text (a
  // backspace deletes the last character): typing with the caret at the end.
  void TypeChar(Field field, char32_t key);

  // The text of a field: what the window and the command line copy a field's text into, and
  // read it back from.
  std::string& Text(Field field);
  // The user changed a field's text in place (typed, pasted, deleted): a calculator field reads
  // as its digits from now on.
  void FieldEdited(Field field);
};

}  // namespace vaneko
