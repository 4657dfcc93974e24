// The reference for start-up figures: a bare Qt window, shown empty.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(988, 652);
  window.show();
  return application.exec();
}
