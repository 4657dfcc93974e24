#include "app/tform2.h"

#include <QLabel>
#include <QPixmap>

#include "app/circle_picture.h"
#include "app/form1_layout.h"

namespace vaneko::app {

namespace {

inline constexpr char kCaption[] = "Form2";
inline constexpr Place kDesignedPlace{176, 8, 572, 607};  // outer place; the picture decides

}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QString::fromLatin1(kCaption));
  setWindowTitle(QString::fromLatin1(kCaption));
  setFont(MakeFont(kWindowFont));
  QPalette buttonFace = palette();
  buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
  setPalette(buttonFace);
  // The main window alone ends the program; this one closes with it.
  setAttribute(Qt::WA_QuitOnClose, false);

  const QPixmap picture = QPixmap::fromImage(CirclePicture());
  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setAccessibleName(QStringLiteral("Trigonometric unit circle"));
  Image2->setPixmap(picture);
  Image2->setGeometry(0, 0, picture.width(), picture.height());
  setFixedSize(picture.size());
  move(kDesignedPlace.left, kDesignedPlace.top);
}

}  // namespace vaneko::app
