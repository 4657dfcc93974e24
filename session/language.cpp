// The two language keys of the about panel, "English" and "Français".
#include <array>
#include <string_view>

#include "session/session.h"

namespace vaneko {

namespace {

// The eight captions each language key writes, in this order.
struct LanguageCaptions {
  std::string_view quit, compute, getResult, paste, numberLabel, toLabel, fromLabel, resultLabel;
};

constexpr LanguageCaptions kFrench{
    "Quitter", "Calculer", "Saisir Résultat", "Coller", "Nombre à convertir",
    "À",       "De",       "Résultat"};
constexpr LanguageCaptions kEnglish{"Quit", "Calculate", "Get Result", "Paste", "Nomber to Convert",
                                    "to",   "From",      "Résult"};

}  // namespace

void Session::SelectLanguage(catalogue::Language language) {
  const LanguageCaptions& text = language == catalogue::Language::English ? kEnglish : kFrench;
  captions.Button1 = text.quit;
  captions.Button2 = text.compute;
  captions.Button22 = text.getResult;
  captions.Button23 = text.paste;
  captions.Label2 = text.numberLabel;
  captions.Label3 = text.toLabel;
  captions.Label4 = text.fromLabel;
  captions.Label5 = text.resultLabel;
  converter.DisplayLanguage = language;
  // Rebuild the tab captions; selecting the saved tab again raises no tab-change event.
  const int savedTab = converter.TabIndex;
  for (int tab = 0; tab < catalogue::kCategoryCount; ++tab)
    captions.Tabs[static_cast<std::size_t>(tab)] = catalogue::TabCaption(tab, language);
  converter.TabIndex = savedTab;
  converter.TabControl1Change();
}

}  // namespace vaneko
