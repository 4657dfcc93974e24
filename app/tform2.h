// The circle window Form2: the picture of the trigonometric unit circle, in a window whose
// client area is exactly the picture. Closing it only hides it.
#pragma once

#include <QWidget>

class QLabel;

namespace vaneko::app {

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* parent = nullptr);

  QLabel* Image2 = nullptr;

 protected:
  // The picture is decoded when the window is first shown, not at start-up: most runs never
  // open this window, and the decoding would delay the main window.
  void showEvent(QShowEvent* event) override;
};

}  // namespace vaneko::app
