// The help and version texts. They are also the source of the manual page, which help2man
// writes from them at build time: "Usage:", the sections ending in ":" and the option lines
// follow the layout it reads.
#include <array>

#include "cli/cli.h"
#include "vaneko_version.h"

namespace vaneko::cli {

namespace {

constexpr std::string_view kProgramHelp =
    "Usage: vaneko-cli [OPTION]... COMMAND [ARGUMENT]...\n"
    "Convert units and press calculator keys as in the Vaneko window, from the command line.\n"
    "Every call works on a freshly started window and prints what that window would show.\n"
    "\n"
    "Commands:\n"
    "  categories          the 18 categories: INDEX, French caption, English caption\n"
    "  units CATEGORY      the units of a category: POSITION, NAME, SYMBOL\n"
    "  convert [--swap] CATEGORY FROM TO NUMBER\n"
    "                      NUMBER converted from unit FROM to unit TO; TO '*' converts it\n"
    "                      to every unit of the category, one NAME<TAB>RESULT line each\n"
    "  keys [--state] [--tape] KEY...\n"
    "                      calculator keys pressed in order; prints the entry field\n"
    "  calc [--state] [--tape] EXPRESSION\n"
    "                      the keys of EXPRESSION pressed in order, then \"=\"; no precedence,\n"
    "                      as in the window: '2 + 3 * 4' is 20\n"
    "\n"
    "Options:\n"
    "  -h, --help          display this help and exit; after a command, that command's help\n"
    "      --version       output version information and exit\n"
    "      --lang=fr|en    the language of the printed unit names (default fr)\n"
    "      --format=plain  write numbers with a decimal point, and read NUMBER with one\n"
    "      --format=window write and read numbers with the window's decimal comma (default)\n"
    "\n"
    "Names:\n"
    "  CATEGORY is a tab index (0 to 17) or a caption; FROM and TO are list positions, unit\n"
    "  names or symbols. Names match whatever the case and the accents, in French or in\n"
    "  English whatever --lang says: \"kilometre\", \"KILOMÈTRE\" and \"Kilomètre\" alike. An\n"
    "  exact name wins over one that differs in case or accents, and a name in the --lang\n"
    "  language over one in the other. In \"Gramme-Volume\" FROM is a food and TO a measure,\n"
    "  or FROM a measure and TO a food to convert an amount in that measure to grams.\n"
    "\n"
    "Examples:\n"
    "  vaneko-cli convert Distance mi km 1\n"
    "  vaneko-cli convert Temperature °F °C 100\n"
    "  vaneko-cli --format=plain convert Pressure psi '*' 30\n"
    "  vaneko-cli convert Gramme-Volume Tasse 'Farine blé blanche tout usage' 3\n"
    "  vaneko-cli keys 2 + 3 '*' 4 =\n"
    "  vaneko-cli calc '2 + 3 * 4'\n"
    "  vaneko-cli calc --tape '30 sin + 1.5'\n"
    "\n"
    "Exit status:\n"
    "  0 success; 1 a conversion or key failed (its error box's text is on stderr; the\n"
    "  calculator's notice \"Division par 0\" is no failure); 2 a usage error, an unknown or\n"
    "  ambiguous name or key.\n";

struct CommandHelpText {
  std::string_view command;
  std::string_view text;
};

constexpr std::array kCommandHelp{
    CommandHelpText{"categories",
                    "Usage: vaneko-cli categories\n"
                    "Prints the 18 categories, one INDEX<TAB>FRENCH<TAB>ENGLISH line each.\n"
                    "--names prints every name read for them instead, one per line.\n"},
    CommandHelpText{
        "units",
        "Usage: vaneko-cli units CATEGORY [--lang=fr|en] [--definitions]\n"
        "Prints the units of CATEGORY, one POSITION<TAB>NAME<TAB>SYMBOL line each, in list\n"
        "order; SYMBOL is empty for a unit without one. For \"Gramme-Volume\" the foods come\n"
        "first, then a line \"--\", then the measures.\n"
        "--definitions adds a last column: what one unit is in the category's reference\n"
        "unit (\"1 Curie = 37 000 000 000 Becquerel\"), a temperature scale's map to the\n"
        "kelvin, a food's mass in grams of one \"Tasse\".\n"
        "--names prints instead every name read for the units, one per line: names in both\n"
        "languages, symbols and the other names people type (the shell's completion reads it).\n"},
    CommandHelpText{
        "convert",
        "Usage: vaneko-cli [--format=plain] convert [--lang=fr|en] [--swap] CATEGORY FROM TO "
        "NUMBER\n"
        "Converts NUMBER from unit FROM to unit TO of CATEGORY, exactly as a click in the\n"
        "to-list of a freshly started window, and prints the result field.\n"
        "NUMBER is the text typed into the number field, with the decimal comma (with\n"
        "--format=plain: the decimal point, and a comma is refused).\n"
        "TO '*' prints NUMBER in every unit of the category, one NAME<TAB>RESULT line each;\n"
        "a unit whose conversion fails has an empty RESULT and its error on stderr (exit 1).\n"
        "Names: a list position, a name in either language whatever the case and the\n"
        "accents, or a symbol. An unknown or ambiguous name exits with 2.\n"
        "In \"Gramme-Volume\" FROM is a food (NUMBER in grams) and TO a measure; a measure as\n"
        "FROM and a food as TO convert NUMBER of that measure to grams instead. With positions,\n"
        "--swap selects that direction: FROM is then a position in the measures, TO in the\n"
        "foods, and TO '*' lists every food.\n"
        "--swap elsewhere presses the swap key once FROM and TO are chosen: NUMBER converts\n"
        "from TO to FROM.\n"},
    CommandHelpText{
        "keys",
        "Usage: vaneko-cli [--format=plain] keys [--state] [--tape] KEY...\n"
        "Presses calculator keys on a freshly started window and prints the entry field Calc\n"
        "(with --state: Calc, mem, X1, Y1 and Z1, one per line). A KEY is a key's caption as\n"
        "the panel shows it, whatever the case and the blanks (sin, n! for \"N !\"), Deg, Rad\n"
        "or Grad for the angle mode, type:TEXT to type TEXT into Calc through its key filter,\n"
        "or Enter; one key per argument (30 is the two keys 3 0). Message boxes are printed\n"
        "on stderr and the keys go on. With --tape, the lines of the tape follow, one per step\n"
        "of the calculator, each prefixed by \"tape: \".\n"
        "Exit status: 0; 1 when a key raised an error box (\"Division par 0\" is a notice, not\n"
        "an error); 2 for an unknown key, with the nearest captions.\n"
        "keys --names prints every caption, one per line.\n"},
    CommandHelpText{
        "calc",
        "Usage: vaneko-cli [--format=plain] calc [--state] [--tape] EXPRESSION\n"
        "Presses the keys of EXPRESSION on a freshly started window, then \"=\", and prints\n"
        "Calc as keys does. EXPRESSION is one quoted argument or several words:\n"
        "  numbers are typed as the keyboard types them into Calc (a point is the decimal\n"
        "  comma, 1.5 and 1,5 alike); a \"-\" that opens a number, at the start or after an\n"
        "  operator, is the sign key after it;\n"
        "  + - * / are the operator keys, ^ is x^Y, % is \"x % de y\", ! is \"N !\";\n"
        "  every other word is a key's caption whatever the case and the blanks (sin, sqrt2,\n"
        "  n!, pi, sinh), the longest that fits, or a spoken form (asin, exp, π).\n"
        "The keys work as in the window, left to right with no precedence: '2 + 3 * 4' is 20,\n"
        "and a function applies to the number shown: '30 sin' is 0,5. --tape shows each step.\n"
        "Exit status: as keys; a part of EXPRESSION that is no key exits with 2.\n"}};

}  // namespace

std::string_view ProgramHelp() {
  return kProgramHelp;
}

std::string_view CommandHelp(std::string_view command) {
  for (const CommandHelpText& help : kCommandHelp)
    if (help.command == command) return help.text;
  return {};
}

std::string VersionText() {
  return std::string("vaneko-cli (Vaneko) ") + kVersion + "\n";
}

}  // namespace vaneko::cli
