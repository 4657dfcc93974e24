// The calculator panel Panel1, laid out from the calculator's key table and its layout: its keys,
// fields, labels and angle-mode radio buttons, and what a click on a calculator key runs.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <span>
#include <string>

#include "app/calculator_layout.h"
#include "app/caption_contrast.h"
#include "app/form1_layout.h"
#include "app/tform1.h"
#include "app/utf8_qstring.h"
#include "calculator/key_table.h"

namespace vaneko::app {

namespace {

// The panel's background, the system's gradient active-caption colour.
inline constexpr QRgb kGradientActiveCaption = 0xB9D1EA;
// Colours named by the caption styles.
inline constexpr QRgb kAqua = 0x00FFFF;
inline constexpr QRgb kFuchsia = 0xFF00FF;
inline constexpr QRgb kMenuText = 0x000000;
inline constexpr QRgb kDesktopBackground = 0x004E98;

void PlaceOnPanel(QWidget* control, const Place& place) {
  control->move(place.left, place.top);
  if (place.width > 0 && place.height > 0)
    control->resize(place.width, place.height);
  else
    control->adjustSize();
}

// Font and colour of a caption; `role` is the palette role the caption is drawn in, on the
// colour of `background`. A colour too faint on that background is drawn in the nearest shade
// of its hue that reads well.
void ApplyStyle(QWidget* control, const CaptionStyle& style, QPalette::ColorRole role,
                QPalette::ColorRole background) {
  control->setFont(MakeFont({Face::Serif, style.pixelSize, style.bold}));
  QRgb colour = 0;
  switch (style.colour) {
    case CaptionColour::Default:
      return;
    case CaptionColour::Aqua:
      colour = kAqua;
      break;
    case CaptionColour::Fuchsia:
      colour = kFuchsia;
      break;
    case CaptionColour::MenuText:
      colour = kMenuText;
      break;
    case CaptionColour::DesktopBackground:
      colour = kDesktopBackground;
      break;
  }
  QPalette palette = control->palette();
  const Rgb face = palette.color(background).rgb() & 0xFFFFFF;
  palette.setColor(role, QColor(static_cast<QRgb>(ReadableCaption(colour, face))));
  control->setPalette(palette);
}

const Place& PlaceOf(std::span<const PanelPlace> places, std::string_view name) {
  for (const PanelPlace& entry : places)
    if (entry.name == name) return entry.place;
  qFatal("The calculator panel has no place for %s", std::string(name).c_str());
}

}  // namespace

void TForm1::BuildCalculatorPanel() {
  Panel1 = new QFrame(Client);
  Panel1->setObjectName(QString::fromLatin1(kPanel1.name));
  Speak(Panel1, kPanel1.spoken, kPanel1.description);
  const Place& panel = kPanel1.place;
  Panel1->setGeometry(panel.left, panel.top, panel.width, panel.height);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  Panel1->setFont(MakeFont({Face::Serif, kPanelFontPixelSize}));
  Panel1->setAutoFillBackground(true);
  QPalette background = Panel1->palette();
  background.setColor(QPalette::Window, QColor(kGradientActiveCaption));
  Panel1->setPalette(background);

  for (const calculator::FieldRow& entry : calculator::PanelFields()) {
    auto* edit = new QLineEdit(Panel1);
    edit->setObjectName(FromUtf8(entry.name));
    PlaceOnPanel(edit, PlaceOf(kFieldPlaces, entry.name));
    Speak(edit, entry.accessibleName, entry.description);
    edit->installEventFilter(this);
    // A paste or a Delete changes the text in place: the field reads as its digits from then
    // on, even if the new text happens to be the one a full value was written with.
    const Field field = entry.field;
    connect(edit, &QLineEdit::textEdited, this, [this, field] { session_.FieldEdited(field); });
    fields_.emplace_back(edit, entry.field);
  }

  for (const PanelLabel& entry : kPanelLabels) {
    auto* label = new QLabel(FromUtf8(entry.caption), Panel1);
    ApplyStyle(label, entry.style, QPalette::WindowText, QPalette::Window);
    PlaceOnPanel(label, entry.place);
    // A screen reader announces the label's text with the field it names.
    if (!entry.buddy.empty()) label->setBuddy(Panel1->findChild<QLineEdit*>(FromUtf8(entry.buddy)));
  }
  Calc = EditOf(Field::Calc);
  mem = EditOf(Field::mem);
  X1 = EditOf(Field::X1);
  Y1 = EditOf(Field::Y1);
  Z1 = EditOf(Field::Z1);
  // The panel shows no caption for the entry; a label that is never shown names it, so that a
  // screen reader finds the entry labelled as the other fields are, by the entry's name.
  auto* calcLabel = new QLabel(Panel1);
  calcLabel->setObjectName(QStringLiteral("CalcLabel"));
  calcLabel->setBuddy(Calc);
  calcLabel->hide();
  for (const calculator::FieldRow& entry : calculator::PanelFields())
    if (entry.field == Field::Calc) Speak(calcLabel, entry.accessibleName, {});

  for (const calculator::AngleRow& entry : calculator::AngleButtons()) {
    auto* button = new QRadioButton(FromUtf8(entry.name), Panel1);
    button->setObjectName(FromUtf8(entry.name));
    PlaceOnPanel(button, PlaceOf(kAnglePlaces, entry.name));
    Speak(button, entry.accessibleName, entry.description);
    button->setChecked(entry.checkedAtStart);
    switch (entry.mode) {
      case calculator::AngleMode::Degrees:
        Deg = button;
        break;
      case calculator::AngleMode::Radians:
        Rad = button;
        break;
      case calculator::AngleMode::Grads:
        Grad = button;
        break;
    }
  }

  const auto keys = calculator::CalculatorKeys();
  for (std::size_t row = 0; row < keys.size(); ++row) {
    const calculator::KeyRow& entry = keys[row];
    const KeyLayout& layout = kKeyLayout[row];
    auto* key = new QPushButton(FromUtf8(entry.caption), Panel1);
    if (!entry.control.empty()) key->setObjectName(FromUtf8(entry.control));
    PlaceOnPanel(key, layout.place);
    ApplyStyle(key, layout.style, QPalette::ButtonText, QPalette::Button);
    Speak(key, entry.name, entry.description);
    if (!entry.tooltip.empty()) key->setToolTip(FromUtf8(entry.tooltip));
    // A key is connected to its row; a key without action is connected to nothing.
    if (entry.command.kind != calculator::Command::Kind::kNone)
      connect(key, &QPushButton::clicked, this, [this, row] { CalculatorKeyClick(row); });
    if (entry.control == "Button22") Button22 = key;
    if (entry.control == "Button23") Button23 = key;
    calculatorKeys_.push_back(key);
  }
}

void TForm1::CalculatorKeyClick(std::size_t row) {
  const auto keys = calculator::CalculatorKeys();
  if (row >= keys.size()) return;
  const calculator::KeyRow& key = keys[row];
  Run([this, &key] { session_.Press(key); });
}

}  // namespace vaneko::app
