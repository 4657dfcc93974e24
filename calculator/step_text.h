// How a step names its operands and units, shared by the rows that describe the steps: the
// operators, the function and formula rows, the memory and register keys.
#pragma once

#include <string>
#include <string_view>

#include "calculator/calculator_model.h"

namespace vaneko::calculator {

// A field's text as a number in the calculator's notation ("05" is 5), or as typed when it is
// not a number, "''" for an empty one, so that a line shows what an error speaks of.
std::string Shown(const std::string& text);

// A field's number as Calc would show it; empty when the field holds no number.
std::string ResultOf(const std::string& text);

// The unit of an angle in `mode`: "°", " rad" or " grad".
std::string_view AngleUnit(AngleMode mode);

// `form` with `argument` in place of each "#".
std::string Substituted(std::string_view form, const std::string& argument);

}  // namespace vaneko::calculator
