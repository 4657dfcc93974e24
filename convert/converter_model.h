// The converter half of the main window as plain data: the number and result fields, the tab,
// the two unit lists and the module-level values the conversion handler keeps.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"

namespace vaneko::convert {

class ConverterModel {
 public:
  ConverterModel();

  // Field texts.
  std::string Nombre1;  // the number to convert
  std::string Result;   // the converted number

  // The tab control, and the lines and selection of the from-list Index1 and the to-list
  // Index2 (-1: no selection).
  int TabIndex = 0;
  std::vector<std::string_view> FromItems;
  std::vector<std::string_view> ToItems;
  int FromSelected = -1;
  int ToSelected = -1;

  // Written only by the language keys.
  catalogue::Language DisplayLanguage = catalogue::Language::French;
  // Set: the next key for Nombre1 empties it first.
  bool NumberFreshEntry = true;
  // The parsed number of the last conversion that got past parsing.
  double ConversionValue = 0;
  // Set while the kitchen tab is turned round by the swap key: Index1 lists the measures,
  // Index2 the foods, Nombre1 is an amount in the chosen measure and Result the grams it holds.
  // Any refill of the lists (a change of tab or of language) clears it.
  bool KitchenReversed = false;

  // The click handler of both lists and of "Calculer": parses Nombre1, runs the pair's formula
  // and writes Result. Throws the parse error or an arithmetic fault; whatever it wrote before
  // stays written.
  void DoConvert();

  // Refills both lists for the current tab and language, with nothing selected.
  void TabControl1Change();

  // User actions on the controls, as the window reports them.
  void SelectTab(int tab);        // a click on a tab: changes TabIndex, then TabControl1Change
  void SelectFrom(int position);  // a selection in Index1, then DoConvert
  void SelectTo(int position);    // a selection in Index2, then DoConvert

  // The swap key "⇄": the two selections change places and, when both lists have one, the
  // conversion runs again, as if the user had chosen the opposite pair. On the kitchen tab the
  // lists themselves change places too, turning grams → measures into measures → grams and
  // back.
  void Swap();

  catalogue::Language CurrentLanguage() const { return DisplayLanguage; }
};

}  // namespace vaneko::convert
