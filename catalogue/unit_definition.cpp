#include "catalogue/unit_definition.h"

#include <array>
#include <cstddef>
#include <optional>

#include "core/exact_map.h"
#include "core/number_text.h"

namespace vaneko::catalogue {

namespace {

constexpr int kNoPosition = -1;

// The unit each tab's definitions are stated in: the SI unit of the list where it has one, the
// litre rather than the millilitre for volumes (a gallon reads better as 3,785411784 litres than
// as 3 785,411784 millilitres), the gram for masses as the mass list is sized. Indexed by tab;
// the kitchen tab's entry is its to-list's millilitre.
constexpr std::array<int, kCategoryCount> kReferences = {
    2,   // Kelvin
    12,  // Mètre
    0,   // Gramme
    1,   // Mètre Carré
    3,   // Litre
    0,   // Mililitre (the kitchen measures)
    14,  // Pascal
    17,  // Mètre par Seconde
    4,   // Mètre par Seconde Carré
    8,   // Newton
    15,  // Joule
    17,  // Watt
    0,   // Kilomètre par Litre (the reciprocal scale: Litre par kilometre, below)
    32,  // Litres par Seconde
    5,   // Kilogrammes per Second
    3,   // Newton Mètre
    0,   // Becquerel
    0,   // Degré
};
constexpr int kFuelEconomyTab = 12;
constexpr int kLitrePerKilometre = 2;
// The kitchen tab states a food by the mass of one of this measure of it: the cup.
constexpr int kKitchenCup = 5;
constexpr std::string_view kGramSymbol = "g";

bool Inside(std::size_t count, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < count;
}

// A name as a definition writes it: without the blanks some list names end with.
std::string_view Trimmed(std::string_view name) {
  const std::size_t end = name.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : name.substr(0, end + 1);
}

std::string_view NameOf(const BilingualName& name, Language language) {
  return Trimmed(language == Language::English ? name.english : name.french);
}

// `size` written as the result field writes a number, grouped by threes.
std::string Written(const ExactSize& size) {
  static const DecimalNumber kOne = ReadDecimal("1");
  return GroupedDigits(FormatNumber(ApplyExactly(kOne, ExactMap{size})));
}

bool Terminates(Int128 denominator) {
  while (denominator % 2 == 0) denominator /= 2;
  while (denominator % 5 == 0) denominator /= 5;
  return denominator == 1;
}

std::string WholeText(Int128 n) {
  if (n == 0) return "0";
  const bool negative = n < 0;
  UInt128 magnitude = negative ? static_cast<UInt128>(-(n + 1)) + 1 : static_cast<UInt128>(n);
  std::string digits;
  for (; magnitude != 0; magnitude /= 10)
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
  return negative ? "-" + digits : digits;
}

// A ratio without π as a decimal when it has a finite one, else as a fraction ("5/9"), so that
// a factor of a temperature scale reads exactly.
std::string RatioText(const ExactSize& ratio) {
  if (ratio.piPower != 0 || Terminates(ratio.den)) return Written(ratio);
  return WholeText(ratio.num) + "/" + WholeText(ratio.den);
}

// A temperature scale: kelvins = x × degree + zero = (x + zero / degree) × degree, written with
// the offset in degrees of the scale, which is the number people know (459,67 for Fahrenheit).
std::string TemperatureDefinition(const TemperatureRow& row, const TemperatureRow& kelvin,
                                  Language language) {
  const ExactSize offset = row.zero / row.degree;
  const bool shifted = offset.num != 0;
  const bool scaled = !(row.degree == Whole(1));
  std::string term = "x";
  if (shifted) {
    const bool below = offset.num < 0;
    term += below ? " - " : " + ";
    term += Written(below ? ExactSize{-offset.num, offset.den, offset.piPower} : offset);
    if (scaled) term = "(" + term + ")";
  }
  if (scaled) term += " × " + RatioText(row.degree);
  std::string text = "x ";
  text += NameOf(row.name, language);
  text += " = ";
  text += term;
  text += ' ';
  text += NameOf(kelvin.name, language);
  return text;
}

std::string Stated(std::string_view name, const std::string& number, std::string_view unit) {
  std::string text = "1 ";
  text += name;
  text += " = ";
  text += number;
  text += ' ';
  text += unit;
  return text;
}

}  // namespace

int ReferencePosition(int tab, int position, ListSide side) {
  if (tab < 0 || tab >= kCategoryCount) return kNoPosition;
  const bool kitchen = tab == kKitchenTab;
  const std::size_t count =
      kitchen ? (side == ListSide::To ? MeasureRows().size() : FoodRows().size())
              : (tab == kTemperatureTab ? TemperatureRows().size() : UnitRows(tab).size());
  if (!Inside(count, position)) return kNoPosition;
  if (kitchen && side == ListSide::From) return kNoPosition;  // foods are stated in grams
  if (tab == kFuelEconomyTab &&
      UnitRows(tab)[static_cast<std::size_t>(position)].scale == Scale::Reciprocal)
    return kLitrePerKilometre;
  return kReferences[static_cast<std::size_t>(tab)];
}

std::string UnitDefinition(int tab, int position, Language language, ListSide side) {
  if (language != Language::French && language != Language::English) return {};
  if (tab == kKitchenTab) {
    if (side == ListSide::To) {
      const auto measures = MeasureRows();
      if (!Inside(measures.size(), position)) return {};
      const MeasureRow& reference = measures[static_cast<std::size_t>(kReferences[kKitchenTab])];
      const MeasureRow& row = measures[static_cast<std::size_t>(position)];
      return Stated(Trimmed(row.name), Written(row.size / reference.size), Trimmed(reference.name));
    }
    const auto foods = FoodRows();
    if (!Inside(foods.size(), position)) return {};
    const FoodRow& food = foods[static_cast<std::size_t>(position)];
    if (!food.millilitresPerGram) return {};  // a heading or a blank line
    const MeasureRow& cup = MeasureRows()[kKitchenCup];
    return Stated(Trimmed(cup.name), Written(cup.size / *food.millilitresPerGram), kGramSymbol);
  }
  const int reference = ReferencePosition(tab, position, side);
  if (reference == kNoPosition) return {};
  if (tab == kTemperatureTab) {
    const auto rows = TemperatureRows();
    return TemperatureDefinition(rows[static_cast<std::size_t>(position)],
                                 rows[static_cast<std::size_t>(reference)], language);
  }
  const auto rows = UnitRows(tab);
  const UnitRow& row = rows[static_cast<std::size_t>(position)];
  const UnitRow& unit = rows[static_cast<std::size_t>(reference)];
  return Stated(NameOf(row.name, language), Written(row.size / unit.size),
                NameOf(unit.name, language));
}

std::string GroupedDigits(std::string_view number) {
  if (number.find_first_of("Ee") != std::string_view::npos) return std::string(number);
  const std::size_t start = !number.empty() && (number[0] == '-' || number[0] == '+') ? 1 : 0;
  std::size_t end = number.find(',');
  if (end == std::string_view::npos) end = number.size();
  std::string grouped(number.substr(0, start));
  for (std::size_t k = start; k < end; ++k) {
    const std::size_t left = end - k;  // digits from this one to the end of the whole part
    if (k > start && left % 3 == 0) grouped += ' ';
    grouped += number[k];
  }
  grouped += number.substr(end);
  return grouped;
}

}  // namespace vaneko::catalogue
