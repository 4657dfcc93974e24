// The calculator panel as data: every key with its caption, handler, action, place and caption
// style, and the panel's labels, fields and angle-mode radio buttons. The window lays the panel
// out from these tables and the command line finds keys by caption.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculator/calculator_model.h"
#include "core/field.h"

namespace vaneko::calculator {

// What a key does to the model.
using KeyAction = void (*)(CalculatorModel&);

// Left, top, width and height in pixels inside the panel (width and height 0: sized to fit).
struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The colour roles of the panel's captions.
enum class CaptionColour { Default, Aqua, Fuchsia, MenuText, DesktopBackground };

struct CaptionStyle {
  CaptionColour colour = CaptionColour::Default;
  bool bold = false;
  int pixelSize = 12;
};

struct CalcKey {
  std::string_view caption;  // exact, trailing blanks included
  std::string_view control;  // the button's name; empty when the layout gives it none
  std::string_view handler;  // the click handler's name; empty for a key without action
  KeyAction action;          // nullptr for a key without action ("Pp")
  Place place;
  CaptionStyle style;
  std::string_view tooltip;  // empty: none
};

struct PanelLabel {
  std::string_view caption;
  Place place;
  CaptionStyle style;
};

struct PanelField {
  std::string_view name;
  Field field;  // the window model's field behind it
  Place place;
};

struct AngleButton {
  std::string_view name;  // also the caption
  AngleMode mode;
  Place place;
  bool checkedAtStart;
};

// The panel within the main window, and its font and background.
inline constexpr Place kPanelPlace{572, 0, 707, 651};
inline constexpr std::string_view kPanelFontFamily = "Times New Roman";
inline constexpr int kPanelFontPixelSize = 12;

// Every key of the calculator panel (the converter's keypad is not among them).
std::span<const CalcKey> CalculatorKeys();
std::span<const PanelLabel> PanelLabels();
std::span<const PanelField> PanelFields();
std::span<const AngleButton> AngleButtons();

// The key with this caption. A caption given without the key's trailing blank finds it too
// ("Gamma" finds "Gamma "). nullptr when there is none.
const CalcKey* FindKey(std::string_view caption);

// Runs the key's action on the model; a key without action does nothing.
inline void PressKey(const CalcKey& key, CalculatorModel& model) {
  if (key.action != nullptr) key.action(model);
}

}  // namespace vaneko::calculator
