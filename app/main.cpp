// Program start: the application titled "Vaneko", the main window shown, the circle window
// created hidden, then the event loop until the main window closes.
#include <QApplication>

#include "app/form1_layout.h"
#include "app/layout_font.h"
#include "app/tform1.h"
#include "app/tform2.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(vaneko::app::kApplicationTitle));
  // The display name follows the application name. Setting it explicitly would make the
  // window system append " — Vaneko" to every window caption.
  vaneko::app::InstallFontSubstitutes();

  vaneko::app::TForm1 form1;
  form1.show();
  vaneko::app::TForm2 form2;
  form1.SetCircleWindow(&form2);

  return QApplication::exec();
}
