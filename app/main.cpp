// Program start: the application titled "Vaneko", the main window shown, the circle window
// created hidden, then the event loop until the main window closes.
//
// Before any of that, --help and --version are answered without a display, and a display that
// cannot be opened ends the program with one line on stderr and exit status 1, instead of Qt's
// abort with its advice to reinstall the application.
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "app/form1_layout.h"
#include "app/layout_font.h"
#include "app/tform1.h"
#include "app/tform2.h"
#include "vaneko_version.h"

namespace {

constexpr char kHelp[] =
    "Usage: vaneko [OPTION]...\n"
    "Starts Vaneko: a unit converter of 18 categories and a scientific calculator in one\n"
    "window, in French and English.\n"
    "\n"
    "Options:\n"
    "  -h, --help     display this help and exit\n"
    "      --version  output version information and exit\n"
    "\n"
    "Qt's own options (-platform, -display, -style...) are accepted too. The window needs a\n"
    "display: an X server (DISPLAY) or a Wayland compositor (WAYLAND_DISPLAY); vaneko-cli\n"
    "converts and calculates without one.\n"
    "\n"
    "Exit status:\n"
    "  0 when the window is closed; 1 when no display can be opened.\n";

constexpr char kNoDisplay[] = "vaneko: cannot open a display; ";

bool Set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

[[noreturn]] void NoDisplay(const char* reason) {
  std::fprintf(stderr, "%s%s\n", kNoDisplay, reason);
  std::fflush(stderr);
  std::_Exit(1);
}

// While the application object opens the display, Qt reports a refused connection with a few
// warnings and then a fatal message that aborts. Those are turned into our one line; the
// messages of a start that succeeds are passed on once it has.
struct HeldMessage {
  QtMsgType type;
  QString text;
};
QList<HeldMessage>& HeldMessages() {
  static QList<HeldMessage> held;
  return held;
}

void OnOpeningDisplay(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type != QtFatalMsg) {
    HeldMessages().append({type, text});
    return;
  }
  const QByteArray display = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  const QByteArray reason = "the window system refused the connection (DISPLAY=" + display +
                            ", WAYLAND_DISPLAY=" + wayland +
                            "); start it in a desktop session, or use vaneko-cli";
  NoDisplay(reason.constData());
}

}  // namespace

int main(int argc, char* argv[]) {
  for (int k = 1; k < argc; ++k) {
    const std::string_view arg = argv[k];
    if (arg == "-h" || arg == "--help") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (arg == "--version") {
      std::printf("vaneko (Vaneko) %s\n", vaneko::kVersion);
      return 0;
    }
  }
  // A platform chosen explicitly (offscreen, eglfs...) needs no window system; without one,
  // Qt looks for X or Wayland through these two variables.
  if (!Set("QT_QPA_PLATFORM") && !Set("DISPLAY") && !Set("WAYLAND_DISPLAY"))
    NoDisplay(
        "neither DISPLAY nor WAYLAND_DISPLAY is set; start it in a desktop session, or use "
        "vaneko-cli");

  const QtMessageHandler previous = qInstallMessageHandler(OnOpeningDisplay);
  QApplication application(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& message : HeldMessages())
    if (previous != nullptr) previous(message.type, QMessageLogContext(), message.text);
  HeldMessages().clear();
  QApplication::setApplicationName(QString::fromLatin1(vaneko::app::kApplicationTitle));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(vaneko::kVersion));
  // The display name follows the application name. Setting it explicitly would make the
  // window system append " — Vaneko" to every window caption.
  vaneko::app::InstallFontSubstitutes();

  vaneko::app::TForm1 form1;
  form1.show();
  vaneko::app::TForm2 form2;
  form1.SetCircleWindow(&form2);

  return QApplication::exec();
}
