// Qt's own texts (the context menus of the edit fields, the standard buttons of a message box)
// in the interface language: Qt's French translation is loaded while the interface is French
// and unloaded for English, Qt's own language.
#pragma once

#include <QTranslator>
#include <memory>
#include <optional>

#include "catalogue/catalogue.h"

namespace vaneko::app {

class QtTexts {
 public:
  // Makes every text Qt builds from now on speak `language`; loaded once per change.
  void SpeakIn(catalogue::Language language);

 private:
  std::optional<catalogue::Language> language_;
  std::unique_ptr<QTranslator> translator_;  // removes itself from the application when freed
};

}  // namespace vaneko::app
