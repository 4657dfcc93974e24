// The reference for start-up figures: a bare Qt window as wide as the screen's work area, as
// Vaneko's is, with one label, shown.
#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel window(QStringLiteral("Vaneko"));
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  window.setGeometry(area.left(), area.top(), area.width(), 651);
  window.show();
  return application.exec();
}
