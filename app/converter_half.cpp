// The converter half of the main window: number and result fields, the compute and sign keys,
// the category tab control with its two unit lists, keypad, quit key, circle-window key and
// the about panel.
#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <memory>

#include "app/form1_layout.h"
#include "app/multi_row_tab_control.h"
#include "app/tform1.h"
#include "app/unit_list_box.h"
#include "app/window_accessible.h"

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
  // The converter writes the result; nothing else may: no typing (its key filter), and no
  // paste, cut, drop, middle-click paste, undo or Delete either.
  Result->setReadOnly(true);
  // A screen reader announces each label's text with the field or list it names.
  Label2->setBuddy(Nombre1);
  Label5->setBuddy(Result);
  Button2 = MakeButton(Client, kButton2);
  connect(Button2, &QPushButton::clicked, this, &TForm1::DoConvert);
  Button44 = MakeButton(Client, kButton44);
  connect(Button44, &QPushButton::clicked, this, &TForm1::Button44Click);
  fields_.emplace_back(Nombre1, Field::Nombre1);
  fields_.emplace_back(Result, Field::Result);
  Nombre1->installEventFilter(this);
  Result->installEventFilter(this);
  BuildResultMenu();

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
  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  for (const KeypadKeyLayout& key : kKeypad) {
    QPushButton* button = MakeButton(TabControl1, key.control);
    Speak(button, key.control.spoken, key.control.description);
    switch (key.action) {
      case KeypadAction::Enter:
        connect(button, &QPushButton::clicked, this, &TForm1::Button47Click);
        break;
      case KeypadAction::Backspace:
        connect(button, &QPushButton::clicked, this, &TForm1::Button49Click);
        break;
      case KeypadAction::Clear:
        connect(button, &QPushButton::clicked, this, &TForm1::Button50Click);
        break;
    }
  }
  Button157 = MakeButton(TabControl1, kButton157);
  connect(Button157, &QPushButton::clicked, this, &TForm1::Button157Click);
}

void TForm1::BuildResultMenu() {
  copyNumber_ = new QAction(Result);
  copyNumber_->setObjectName(QStringLiteral("CopyNumber"));
  connect(copyNumber_, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(Result->text()); });
  copyWithUnit_ = new QAction(Result);
  copyWithUnit_->setObjectName(QStringLiteral("CopyWithUnit"));
  copyWithUnit_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyWithUnit_->setShortcutContext(Qt::WidgetShortcut);
  Result->addAction(copyWithUnit_);  // the shortcut works while the result field has the focus
  connect(copyWithUnit_, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(ResultWithUnit()); });

  selectAll_ = new QAction(Result);
  selectAll_->setObjectName(QStringLiteral("SelectAll"));
  connect(selectAll_, &QAction::triggered, Result, &QLineEdit::selectAll);

  // Only what fits a result: it is copied, never edited.
  Result->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Result, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    ShowResultWithUnit();
    QMenu menu(Result);
    menu.addActions({copyNumber_, copyWithUnit_});
    menu.addSeparator();
    menu.addAction(selectAll_);
    menu.exec(Result->mapToGlobal(at));
  });
}

void TForm1::ShowUnitDefinitions() {
  const convert::ConverterModel& converter = session_.converter;
  const int tab = converter.TabIndex;
  // The kitchen tab's lists hold foods and measures; turned round, the from-list holds the
  // measures.
  const bool measuresFirst = tab == catalogue::kKitchenTab &&
                             Index1->count() == static_cast<int>(catalogue::MeasureRows().size());
  using catalogue::ListSide;
  Index1->ShowDefinitions(tab, converter.DisplayLanguage,
                          measuresFirst ? ListSide::To : ListSide::From);
  Index2->ShowDefinitions(tab, converter.DisplayLanguage,
                          measuresFirst ? ListSide::From : ListSide::To);
}

QString TForm1::ResultWithUnit() const {
  const QString number = Result->text();
  const int to = Index2->SelectedRow();
  if (number.trimmed().isEmpty() || to < 0) return number;
  // A food in the to-list means the kitchen tab turned round: the result is in grams.
  const bool grams = TabControl1->CurrentIndex() == catalogue::kKitchenTab &&
                     Index2->count() == static_cast<int>(catalogue::FoodRows().size());
  const QString unit = grams ? QStringLiteral("g") : Index2->item(to)->text().trimmed();
  return unit.isEmpty() ? number : number + u' ' + unit;
}

void TForm1::ShowResultWithUnit() {
  const bool english = session_.converter.DisplayLanguage == catalogue::Language::English;
  copyNumber_->setText(english ? QStringLiteral("Copy") : QStringLiteral("Copier"));
  copyWithUnit_->setText(english ? QStringLiteral("Copy with unit")
                                 : QStringLiteral("Copier avec l'unité"));
  selectAll_->setText(english ? QStringLiteral("Select all") : QStringLiteral("Tout sélectionner"));
  const QString withUnit = ResultWithUnit();
  copyNumber_->setEnabled(!Result->text().isEmpty());
  copyWithUnit_->setEnabled(withUnit != Result->text());
  selectAll_->setEnabled(!Result->text().isEmpty());
  Result->setToolTip(copyWithUnit_->isEnabled() ? withUnit : QString());
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
  QLabel* logo = MakePicture(Panel5, kImage1, about);
  Speak(logo, kLogoName, {});
  // Drawn over the first, two pixels further: a shadow, which a screen reader skips.
  MakePicture(Panel5, kImage2, about)->setProperty(kDecorationProperty, true);
  MakeLabel(Panel5, kLabel1);
  MakeStaticText(Panel5, kStaticText1);
  MakeStaticText(Panel5, kStaticText2);
  Button4 = MakeButton(Panel5, kButton4);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  Button3 = MakeButton(Panel5, kButton3);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
}

}  // namespace vaneko::app
