#include "app/tform1.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <string_view>

#include "app/form1_layout.h"
#include "app/keyboard_habits.h"
#include "app/multi_row_tab_control.h"
#include "app/unit_list_box.h"
#include "app/utf8_qstring.h"
#include "app/window_accessible.h"
#include "app/work_area_fit.h"
#include "core/errors.h"

// The pictures are compiled into this static library; registering them here keeps the linker
// from dropping them.
static void RegisterResources() {
  Q_INIT_RESOURCE(vaneko);
}

namespace vaneko::app {

namespace {

// A label sizes itself to its caption, as wide as the text and as high as the layout says.
void SetLabelCaption(QLabel* label, std::string_view caption) {
  label->setText(FromUtf8(caption));
  label->resize(label->sizeHint().width(), label->height());
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QScrollArea(parent) {
  RegisterResources();
  InstallWindowAccessibility();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kWindowCaption));
  setWindowIcon(QIcon(QString::fromLatin1(kWindowIcon)));
  setFont(MakeFont(kWindowFont));
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::NoFocus);  // the controls take the focus, not the scrolled area
  QPalette buttonFace = palette();
  buttonFace.setColor(QPalette::Window, buttonFace.color(QPalette::Button));
  setPalette(buttonFace);

  Client = new QWidget;
  Client->setObjectName(QStringLiteral("Client"));
  Client->setFixedSize(kLayoutWidth, kLayoutHeight);
  setWidget(Client);
  setWidgetResizable(false);

  showMessage_ = [this](const QString& title, const QString& text, bool critical) {
    ShowModalMessageBox(this, title, text, critical);
  };
  session_.ShowNoticeWith(
      [this](const std::string& text) { ShowMessage(QString::fromStdString(text), false); });

  BuildConverterHalf();
  BuildCalculatorPanel();
  BuildTape();
  BuildUnitFinder();
  for (const ControlLayout* layout : kSpokenControls) {
    auto* control = Client->findChild<QWidget*>(QString::fromLatin1(layout->name));
    if (control == nullptr) qFatal("The main window has no control %s", layout->name);
    Speak(control, layout->spoken, layout->description);
  }
  SetTabOrder();
  PressButtonsOnEnter(Client);
  KeepTabOnCheckedRadio({Deg, Rad, Grad});
  WriteControls();
  resize(kLayoutWidth, kLayoutHeight);
  RealignWhenFramed(this);
}

TForm1::~TForm1() = default;

void TForm1::AlignToWorkArea() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  // The frame's size is known once the window is shown; until then it counts as none.
  const int frameWidth = frameGeometry().width() - geometry().width();
  const int frameHeight = frameGeometry().height() - geometry().height();
  move(area.topLeft());
  const int width = area.width() - frameWidth;
  // A layout wider than the window scrolls sideways, and the horizontal bar takes its height
  // from the client area: the window grows by that much rather than add a vertical bar too.
  const int barHeight = width < kLayoutWidth ? horizontalScrollBar()->sizeHint().height() : 0;
  // No taller than the work area (small screens, large scale factors): the client area scrolls.
  resize(width, qMin(kLayoutHeight + barHeight, area.height() - frameHeight));
}

bool TForm1::focusNextPrevChild(bool next) {
  // The scroll area's own handling scrolls the focused control 50 pixels clear of the edges,
  // even when it is in view; this scrolls only as far as it takes to show the control.
  if (!QWidget::focusNextPrevChild(next)) return false;
  QWidget* focused = focusWidget();
  if (focused == nullptr || !Client->isAncestorOf(focused)) return true;
  // The tab control holds the whole converter: what has the focus there is the selected tab.
  const auto* tabs = qobject_cast<const MultiRowTabControl*>(focused);
  const QRect place = tabs != nullptr ? tabs->TabRect(tabs->CurrentIndex()) : focused->rect();
  ScrollToShow(place.translated(focused->mapTo(Client, QPoint(0, 0))));
  return true;
}

namespace {

// The scroll value that shows [low, high) in a view `size` long starting at `value`: unchanged
// when it is in view, else the least move that shows it; its start when it is longer than the view.
int ValueShowing(int value, int size, int low, int high) {
  if (low < value) return low;
  if (high > value + size) return qMin(low, high - size);
  return value;
}

}  // namespace

void TForm1::ScrollToShow(const QRect& place) {
  const QSize view = viewport()->size();
  horizontalScrollBar()->setValue(
      ValueShowing(horizontalScrollBar()->value(), view.width(), place.left(), place.right() + 1));
  verticalScrollBar()->setValue(
      ValueShowing(verticalScrollBar()->value(), view.height(), place.top(), place.bottom() + 1));
}

void TForm1::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  if (!aligned_ && !event->spontaneous()) {
    aligned_ = true;
    AlignToWorkArea();
  }
}

void TForm1::Speak(QWidget* control, const calculator::Spoken& name,
                   const calculator::Spoken& description) {
  spoken_.push_back({control, name, description});
  spokenLanguage_.reset();  // named at the next writing of the controls
}

void TForm1::SpeakInterfaceLanguage() {
  const catalogue::Language language = session_.converter.DisplayLanguage;
  if (spokenLanguage_ == language) return;
  spokenLanguage_ = language;
  qtTexts_.SpeakIn(language);
  const bool english = language == catalogue::Language::English;
  for (const SpokenControl& entry : spoken_) {
    entry.control->setAccessibleName(FromUtf8(english ? entry.name.english : entry.name.french));
    entry.control->setAccessibleDescription(
        FromUtf8(english ? entry.description.english : entry.description.french));
  }
}

const vaneko::Field* TForm1::FieldOf(const QObject* edit) const {
  for (const auto& [control, field] : fields_)
    if (control == edit) return &field;
  return nullptr;
}

QLineEdit* TForm1::EditOf(vaneko::Field field) const {
  for (const auto& [control, controlField] : fields_)
    if (controlField == field) return control;
  return nullptr;
}

void TForm1::ReadControls() {
  for (const auto& [edit, field] : fields_) session_.Text(field) = edit->text().toStdString();
  session_.ShowTab(TabControl1->CurrentIndex());
  session_.ShowFrom(Index1->SelectedRow());
  session_.ShowTo(Index2->SelectedRow());
  // The mode the evaluation uses: degrees if "Deg" is checked, else grads if "Grad" is.
  using calculator::AngleMode;
  session_.SelectAngleMode(Deg->isChecked()    ? AngleMode::Degrees
                           : Grad->isChecked() ? AngleMode::Grads
                                               : AngleMode::Radians);
}

void TForm1::WriteControls() {
  for (const auto& [edit, field] : fields_) {
    const QString text = QString::fromStdString(session_.Text(field));
    // Rewriting an unchanged text would move the caret and drop the selection.
    if (edit->text() != text) edit->setText(text);
  }

  const Captions& captions = session_.captions;
  Button1->setText(FromUtf8(captions.Button1));
  Button2->setText(FromUtf8(captions.Button2));
  Button22->setText(FromUtf8(captions.Button22));
  Button23->setText(FromUtf8(captions.Button23));
  SetLabelCaption(Label2, captions.Label2);
  SetLabelCaption(Label3, captions.Label3);
  SetLabelCaption(Label4, captions.Label4);
  SetLabelCaption(Label5, captions.Label5);

  const convert::ConverterModel& converter = session_.converter;
  QStringList tabs;
  for (const std::string_view caption : captions.Tabs) tabs.append(FromUtf8(caption));
  if (tabs != TabControl1->Captions()) TabControl1->SetCaptions(tabs);
  TabControl1->SetCurrentIndex(converter.TabIndex);
  Index1->ShowItems(converter.FromItems, converter.FromSelected);
  Index2->ShowItems(converter.ToItems, converter.ToSelected);
  ShowUnitDefinitions();
  ShowResultWithUnit();
  ShowSwapKey();

  SpeakInterfaceLanguage();
  WriteTapeCaptions();
  WriteFinderCaptions();

  switch (session_.calculator.Angle) {
    case calculator::AngleMode::Degrees:
      Deg->setChecked(true);
      break;
    case calculator::AngleMode::Grads:
      Grad->setChecked(true);
      break;
    case calculator::AngleMode::Radians:
      Rad->setChecked(true);
      break;
  }
}

bool TForm1::Run(const std::function<void()>& handler) {
  ReadControls();
  QString failure;
  try {
    handler();
  } catch (const std::exception& error) {
    failure = QString::fromStdString(ErrorBoxText(error.what()));
  }
  // Whatever the handler wrote before it failed stays written.
  WriteControls();
  if (failure.isNull()) return true;
  ShowMessage(failure, true);
  return false;
}

void TForm1::ShowMessage(const QString& text, bool critical) {
  if (showMessage_) showMessage_(QString::fromLatin1(kApplicationTitle), text, critical);
}

void TForm1::DoConvert() {
  Run([this] { session_.DoConvert(); });
}

void TForm1::TabControl1Change() {
  Run([this] { session_.TabControl1Change(); });
}

void TForm1::Button1Click() {
  close();
}

void TForm1::Button3Click() {
  Run([this] { session_.SelectLanguage(catalogue::Language::English); });
}

void TForm1::Button4Click() {
  Run([this] { session_.SelectLanguage(catalogue::Language::French); });
}

void TForm1::Button44Click() {
  Run([this] { session_.NegateNumber(); });
}

void TForm1::Button47Click() {
  // The key's caption is the character it enters.
  const auto* key = qobject_cast<const QPushButton*>(sender());
  if (key == nullptr || key->text().size() != 1) return;
  const char character = key->text().at(0).toLatin1();
  Run([this, character] { session_.KeypadKey(character); });
}

void TForm1::Button49Click() {
  Run([this] { session_.KeypadBackspace(); });
}

void TForm1::Button50Click() {
  Run([this] { session_.KeypadClear(); });
}

void TForm1::Button157Click() {
  // Shows the circle window; when it is already visible it is neither moved nor raised.
  if (form2_ != nullptr && !form2_->isVisible()) form2_->show();
}

}  // namespace vaneko::app
