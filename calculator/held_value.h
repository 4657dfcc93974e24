// The full value behind a field's text. A field shows a number in 15 significant digits; the
// value that was written there (a value constant, a result, one third) may hold more. It is kept
// beside the text and counts only while the field still shows exactly the text it was written with:
// typing, editing or pasting changes the text (or forgets the value outright), and from then on
// the field reads as its digits.
#pragma once

#include <string>

#include "calculator/number.h"

namespace vaneko::calculator {

class HeldValue {
 public:
  // `value` was written into a field as `text`.
  void Hold(const std::string& text, const Number& value) {
    text_ = text;
    value_ = value;
    held_ = true;
  }
  void Forget() {
    held_ = false;
    text_.clear();
  }
  // The full value if the field still shows the text it was written with, else null.
  const Number* For(const std::string& shown) const {
    return held_ && shown == text_ ? &value_ : nullptr;
  }

 private:
  std::string text_;
  Number value_;
  bool held_ = false;
};

}  // namespace vaneko::calculator
