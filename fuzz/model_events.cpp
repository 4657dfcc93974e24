#include "fuzz/model_events.h"

#include <array>

#include "calculator/key_table.h"
#include "core/errors.h"

namespace vaneko::fuzzing {

namespace {

constexpr std::array kFields = {Field::Nombre1, Field::Result, Field::Calc, Field::mem,
                                Field::X1,      Field::Y1,     Field::Z1};
constexpr std::array kKeypad = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', ','};

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A character a user can type: mostly the interesting ASCII ones, sometimes any code point of
// the basic plane (surrogates excluded).
char32_t TypedCharacter(ByteReader& bytes) {
  constexpr std::string_view kInteresting = "0123456789,.+-*/eE \r\ba";
  const std::uint8_t pick = bytes.Next();
  if (pick < 200) return static_cast<unsigned char>(kInteresting[pick % kInteresting.size()]);
  const char32_t code = static_cast<char32_t>(bytes.Next() << 8 | bytes.Next());
  return code >= 0xD800 && code <= 0xDFFF ? U'?' : code;
}

// Text pasted into a field: any characters, as the clipboard would hold them.
std::string PastedText(ByteReader& bytes) {
  std::string text;
  const int length = bytes.Next() % 24;
  for (int k = 0; k < length; ++k) AppendUtf8(text, TypedCharacter(bytes));
  return text;
}

std::string CheckInvariants(const Session& s) {
  const auto& conv = s.converter;
  const auto& calc = s.calculator;
  for (const std::string* text :
       {&conv.Nombre1, &conv.Result, &calc.Calc, &calc.mem, &calc.X1, &calc.Y1, &calc.Z1})
    if (!IsValidUtf8(*text)) return "a field holds invalid UTF-8";
  if (conv.TabIndex < 0 || conv.TabIndex > 17) return "tab index out of range";
  if (conv.DisplayLanguage != catalogue::Language::French &&
      conv.DisplayLanguage != catalogue::Language::English)
    return "language out of range";
  if (conv.FromSelected < -1 || conv.FromSelected >= static_cast<int>(conv.FromItems.size()))
    return "from selection out of range";
  if (conv.ToSelected < -1 || conv.ToSelected >= static_cast<int>(conv.ToItems.size()))
    return "to selection out of range";
  using calculator::AccumulatorState;
  if (calc.AccumulatorState != AccumulatorState::kEmpty &&
      calc.AccumulatorState != AccumulatorState::kHolding &&
      calc.AccumulatorState != AccumulatorState::kRefusedDivision)
    return "accumulator state";
  // Only an operator stays pending between events; a function or formula never does.
  if (calc.PendingOperation != calculator::Op::kNone &&
      !calculator::IsTwoOperand(calc.PendingOperation))
    return "pending operation";
  return {};
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
  for (std::size_t k = 0; k < text.size();) {
    const auto lead = static_cast<unsigned char>(text[k]);
    std::size_t length = lead < 0x80         ? 1
                         : (lead >> 5) == 6  ? 2
                         : (lead >> 4) == 14 ? 3
                         : (lead >> 3) == 30 ? 4
                                             : 0;
    if (length == 0 || k + length > text.size()) return false;
    for (std::size_t extra = 1; extra < length; ++extra)
      if ((static_cast<unsigned char>(text[k + extra]) & 0xC0) != 0x80) return false;
    k += length;
  }
  return true;
}

std::string PlayOneEvent(Session& session, ByteReader& bytes) {
  auto& conv = session.converter;
  auto& calc = session.calculator;
  const std::string resultBefore = conv.Result;
  bool converting = false;
  try {
    switch (bytes.Next() % 12) {
      case 0: {
        const auto keys = calculator::CalculatorKeys();
        session.Press(keys[bytes.Next() % keys.size()]);
        break;
      }
      case 1:
        session.KeypadKey(kKeypad[bytes.Next() % kKeypad.size()]);
        break;
      case 2:
        switch (bytes.Next() % 3) {
          case 0:
            session.KeypadBackspace();
            break;
          case 1:
            session.KeypadClear();
            break;
          default:
            session.NegateNumber();
        }
        break;
      case 3:
        session.TypeChar(kFields[bytes.Next() % kFields.size()], TypedCharacter(bytes));
        break;
      case 4:
        session.Text(kFields[bytes.Next() % kFields.size()]) = PastedText(bytes);
        break;
      case 5:
        conv.SelectTab(bytes.Next() % 19);  // 18: a click beside the tabs, ignored
        break;
      case 6:
        converting = true;
        conv.SelectFrom(static_cast<int>(bytes.Next() % (conv.FromItems.size() + 1)) - 1);
        break;
      case 7:
        converting = true;
        conv.SelectTo(static_cast<int>(bytes.Next() % (conv.ToItems.size() + 1)) - 1);
        break;
      case 8:
        session.SelectLanguage(bytes.Next() % 2 ? catalogue::Language::English
                                                : catalogue::Language::French);
        break;
      case 9:
        converting = true;
        conv.DoConvert();
        break;
      case 10:
        calc.Angle = static_cast<calculator::AngleMode>(bytes.Next() % 3);
        break;
      default:
        session.FormCreate();
        break;
    }
  } catch (const EConversionError& e) {
    return std::string("a registry error escaped: ") + e.what();
  } catch (const VanekoError&) {
    // A conversion error or an arithmetic fault: a conversion leaves its result field as it
    // was, but for an empty one, which it first fills with "0".
    const bool resultKept =
        conv.Result == resultBefore || (resultBefore.empty() && conv.Result == "0");
    if (converting && !resultKept) return "a failed conversion changed the result field";
  }
  return CheckInvariants(session);
}

}  // namespace vaneko::fuzzing
