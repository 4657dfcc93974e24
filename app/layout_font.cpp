#include "app/layout_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace vaneko::app {

namespace {

struct Substitute {
  const char* family;
  const char* replacement;
};

constexpr Substitute kSubstitutes[] = {
    {kSansSerifFamily, "Liberation Sans"},
    {kSerifFamily, "Liberation Serif"},
};

}  // namespace

void InstallFontSubstitutes() {
  const QStringList installed = QFontDatabase::families();
  for (const Substitute& substitute : kSubstitutes) {
    const QString family = QString::fromLatin1(substitute.family);
    if (!installed.contains(family, Qt::CaseInsensitive))
      QFont::insertSubstitution(family, QString::fromLatin1(substitute.replacement));
  }
}

QFont MakeFont(const FontChoice& choice) {
  QFont font(QString::fromLatin1(choice.face == Face::Serif ? kSerifFamily : kSansSerifFamily));
  font.setPixelSize(choice.pixelSize);
  font.setBold(choice.bold);
  return font;
}

}  // namespace vaneko::app
