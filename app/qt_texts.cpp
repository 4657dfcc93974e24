#include "app/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace vaneko::app {

void QtTexts::SpeakIn(catalogue::Language language) {
  if (language_ == language) return;
  language_ = language;
  translator_.reset();
  if (language == catalogue::Language::English) return;
  auto translator = std::make_unique<QTranslator>();
  // qtbase_fr.qm, from the system's Qt translations (Debian's qt6-translations-l10n).
  if (!translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return;  // Qt's texts stay in English, as they are without a translation
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
}

}  // namespace vaneko::app
