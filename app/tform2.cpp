#include "app/tform2.h"

#include <QLabel>
#include <QPixmap>
#include <QShowEvent>

#include "app/circle_picture.h"
#include "app/form1_layout.h"
#include "app/window_accessible.h"

namespace vaneko::app {

namespace {

inline constexpr char kCaption[] = "Form2";
inline constexpr Place kDesignedPlace{176, 8, 572, 607};  // outer place; the picture decides
// The size of the embedded picture, which the window's client area is exactly.
inline constexpr int kCirclePictureWidth = 556;
inline constexpr int kCirclePictureHeight = 569;

}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
  InstallWindowAccessibility();
  setObjectName(QString::fromLatin1(kCaption));
  setWindowTitle(QString::fromLatin1(kCaption));
  setFont(MakeFont(kWindowFont));
  QPalette buttonFace = palette();
  buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
  setPalette(buttonFace);
  // The main window alone ends the program; this one closes with it.
  setAttribute(Qt::WA_QuitOnClose, false);

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setAccessibleName(QStringLiteral("Trigonometric unit circle"));
  Image2->setGeometry(0, 0, kCirclePictureWidth, kCirclePictureHeight);
  setFixedSize(kCirclePictureWidth, kCirclePictureHeight);
  move(kDesignedPlace.left, kDesignedPlace.top);
}

void TForm2::showEvent(QShowEvent* event) {
  if (Image2->pixmap().isNull()) {
    const QPixmap picture = QPixmap::fromImage(CirclePicture());
    Image2->setPixmap(picture);
    Image2->resize(picture.size());
    setFixedSize(picture.size());
  }
  QWidget::showEvent(event);
}

}  // namespace vaneko::app
