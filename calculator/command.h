// What a calculator key asks for, as a value: the one way into the calculator. The window, the
// command line, the fuzzers and the tests all drive it through these commands, so a key is
// one row of the key table that names its command.
#pragma once

#include "calculator/constants.h"
#include "calculator/operation_codes.h"

namespace vaneko::calculator {

// The memory M and the three registers, operands of the formula keys.
enum class Register { kM, kX, kY, kZ };

// The two keys that exchange a text with the converter. The calculator does not know the
// converter: whoever owns both halves (the session) carries these out.
enum class Exchange {
  kTakeResult,  // Calc := the converter's result
  kGiveEntry,   // the converter's number := Calc
};

struct Command {
  enum class Kind {
    kNone,          // a key without action
    kDigit,         // "0" to "9" and ","
    kClearEntry,    // "C"
    kBackspace,     // "<<"
    kChangeSign,    // "+/-"
    kPress,         // an operator, function or formula
    kEquals,        // "="
    kStoreIn,       // M, X, Y, Z := Calc
    kRecallFrom,    // Calc := M, X, Y, Z
    kClear,         // M, X, Y, Z := "0"
    kAddTo,         // M, X, Y, Z += Calc
    kSubtractFrom,  // M, X, Y, Z -= Calc
    kEnter,         // a constant into Calc
    kExchange,      // carried out by the session
  };
  Kind kind = Kind::kNone;
  Op op = Op::kNone;
  char digit = 0;
  Register target = Register::kM;
  const Constant* constant = nullptr;
  Exchange exchange = Exchange::kTakeResult;
};

// The commands, named as the keys read.
namespace command {

constexpr Command None() {
  return {};
}
constexpr Command Digit(char digitOrComma) {
  return {.kind = Command::Kind::kDigit, .digit = digitOrComma};
}
constexpr Command ClearEntry() {
  return {.kind = Command::Kind::kClearEntry};
}
constexpr Command Backspace() {
  return {.kind = Command::Kind::kBackspace};
}
constexpr Command ChangeSign() {
  return {.kind = Command::Kind::kChangeSign};
}
constexpr Command Press(Op op) {
  return {.kind = Command::Kind::kPress, .op = op};
}
constexpr Command Equals() {
  return {.kind = Command::Kind::kEquals};
}
constexpr Command StoreIn(Register target) {
  return {.kind = Command::Kind::kStoreIn, .target = target};
}
constexpr Command RecallFrom(Register target) {
  return {.kind = Command::Kind::kRecallFrom, .target = target};
}
constexpr Command Clear(Register target) {
  return {.kind = Command::Kind::kClear, .target = target};
}
constexpr Command AddTo(Register target) {
  return {.kind = Command::Kind::kAddTo, .target = target};
}
constexpr Command SubtractFrom(Register target) {
  return {.kind = Command::Kind::kSubtractFrom, .target = target};
}
constexpr Command Enter(const Constant& constant) {
  return {.kind = Command::Kind::kEnter, .constant = &constant};
}
constexpr Command Transfer(Exchange exchange) {
  return {.kind = Command::Kind::kExchange, .exchange = exchange};
}

}  // namespace command

}  // namespace vaneko::calculator
