// The converter half of the main window: number and result fields, the compute and sign keys,
// the category tab control with its two unit lists, keypad, quit key, circle-window key and
// the about panel.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "app/form1_layout.h"
#include "app/multi_row_tab_control.h"
#include "app/tform1.h"
#include "app/unit_list_box.h"

namespace vaneko::app {

namespace {

inline constexpr QRgb kSkyBlue = 0xA6CAF0;

template <class Control>
Control* Placed(Control* control, const ControlLayout& layout) {
  control->setObjectName(QString::fromLatin1(layout.name));
  control->setGeometry(layout.place.left, layout.place.top, layout.place.width,
                       layout.place.height);
  control->setFont(MakeFont(layout.font));
  return control;
}

QString CaptionOf(const ControlLayout& layout) {
  return layout.caption != nullptr ? QString::fromUtf8(layout.caption) : QString();
}

// A label is as wide as its caption.
QLabel* MakeLabel(QWidget* parent, const ControlLayout& layout) {
  QLabel* label = Placed(new QLabel(CaptionOf(layout), parent), layout);
  label->resize(label->sizeHint().width(), layout.place.height);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const ControlLayout& layout) {
  return Placed(new QPushButton(CaptionOf(layout), parent), layout);
}

QLineEdit* MakeEdit(QWidget* parent, const ControlLayout& layout) {
  return Placed(new QLineEdit(parent), layout);
}

QLabel* MakePicture(QWidget* parent, const ControlLayout& layout, const QPixmap& picture) {
  QLabel* image = Placed(new QLabel(parent), layout);
  image->setPixmap(picture);
  image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return image;
}

// A static text with a sunken border.
QLabel* MakeStaticText(QWidget* parent, const ControlLayout& layout) {
  QLabel* text = MakeLabel(parent, layout);
  text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  text->setLineWidth(1);
  text->resize(text->sizeHint().width(), layout.place.height);  // the border takes room too
  return text;
}

}  // namespace

void TForm1::BuildConverterHalf() {
  Label2 = MakeLabel(Client, kLabel2);
  Label5 = MakeLabel(Client, kLabel5);
  Nombre1 = MakeEdit(Client, kNombre1);
  Result = MakeEdit(Client, kResult);
  // A screen reader announces each label's text with the field or list it names.
  Label2->setBuddy(Nombre1);
  Label5->setBuddy(Result);
  Button2 = MakeButton(Client, kButton2);
  ConnectClick(Button2, "DoConvert");
  Button44 = MakeButton(Client, kButton44);
  ConnectClick(Button44, "Button44Click");
  fields_.emplace_back(Nombre1, Field::Nombre1);
  fields_.emplace_back(Result, Field::Result);
  Nombre1->installEventFilter(this);
  Result->installEventFilter(this);

  TabControl1 = Placed(new MultiRowTabControl(Client), kTabControl1);
  connect(TabControl1, &MultiRowTabControl::TabChanged, this, &TForm1::TabControl1Change);

  Label4 = MakeLabel(TabControl1, kLabel4);
  Label3 = MakeLabel(TabControl1, kLabel3);
  Index1 = Placed(new UnitListBox(kListItemHeight, TabControl1), kIndex1);
  Index2 = Placed(new UnitListBox(kListItemHeight, TabControl1), kIndex2);
  Label4->setBuddy(Index1);
  Label3->setBuddy(Index2);
  for (UnitListBox* list : {Index1, Index2}) {
    QPalette white = list->palette();
    white.setColor(QPalette::Base, white.color(QPalette::HighlightedText));
    list->setPalette(white);
    connect(list, &UnitListBox::UserSelected, this, &TForm1::DoConvert);
  }

  BuildSwapKey();
  BuildAboutPanel();

  Button1 = MakeButton(TabControl1, kButton1);
  ConnectClick(Button1, "Button1Click");
  for (const KeypadKeyLayout& key : kKeypad) {
    QPushButton* button = MakeButton(TabControl1, key.control);
    Speak(button, key.control.spoken, key.control.description);
    ConnectClick(button, key.handler);
  }
  Button157 = MakeButton(TabControl1, kButton157);
  ConnectClick(Button157, "Button157Click");
}

void TForm1::BuildAboutPanel() {
  Panel5 = Placed(new QFrame(TabControl1), kPanel5);
  Panel5->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel5->setLineWidth(1);
  Panel5->setAutoFillBackground(true);
  QPalette skyBlue = Panel5->palette();
  skyBlue.setColor(QPalette::Window, QColor(kSkyBlue));
  Panel5->setPalette(skyBlue);

  const QPixmap about(QString::fromLatin1(kAboutPicture));
  MakePicture(Panel5, kImage1, about);
  MakePicture(Panel5, kImage2, about);  // drawn over the first, two pixels further
  MakeLabel(Panel5, kLabel1);
  MakeStaticText(Panel5, kStaticText1);
  MakeStaticText(Panel5, kStaticText2);
  Button4 = MakeButton(Panel5, kButton4);
  ConnectClick(Button4, "Button4Click");
  Button3 = MakeButton(Panel5, kButton3);
  ConnectClick(Button3, "Button3Click");
}

}  // namespace vaneko::app
