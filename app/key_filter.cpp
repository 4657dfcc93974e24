// The key filters of the single-line fields. A typed character goes to the field's filter
// (CalcKeyPress for the number and the calculator entry, ResultKeyPress for the others), which
// may run a calculator key and decides what reaches the field; that is inserted at the caret.
// Keys that type nothing (arrows, Delete, Tab) and shortcuts such as Ctrl+V reach the field
// untouched.
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

#include "app/tform1.h"

namespace vaneko::app {

namespace {

// The character a key press types, or nothing for a key that only edits or moves.
std::optional<char32_t> TypedCharacter(const QKeyEvent& event) {
  const bool control = event.modifiers() & Qt::ControlModifier;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return control ? U'\n' : U'\r';
    case Qt::Key_Backspace:
      return control ? U'\x7f' : U'\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
      return std::nullopt;
    default:
      break;
  }
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return std::nullopt;
  const QList<uint> typed = event.text().toUcs4();
  if (typed.isEmpty()) return std::nullopt;
  return static_cast<char32_t>(typed.first());
}

}  // namespace

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const Field* field = FieldOf(watched);
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (field == nullptr || edit == nullptr) return QScrollArea::eventFilter(watched, event);
  const bool entryField = *field == Field::Nombre1 || *field == Field::Calc;

  if (event->type() == QEvent::KeyPress) {
    const std::optional<char32_t> typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
    if (!typed) return false;
    if (entryField)
      CalcKeyPress(edit, *typed);
    else
      ResultKeyPress(edit, *typed);
    return true;
  }
  if (event->type() == QEvent::InputMethod) {
    // Characters composed by an input method are typed characters too.
    const auto* input = static_cast<QInputMethodEvent*>(event);
    if (input->commitString().isEmpty()) return false;
    for (const uint character : input->commitString().toUcs4()) {
      if (entryField)
        CalcKeyPress(edit, static_cast<char32_t>(character));
      else
        ResultKeyPress(edit, static_cast<char32_t>(character));
    }
    return true;
  }
  return QScrollArea::eventFilter(watched, event);
}

void TForm1::CalcKeyPress(QLineEdit* sender, char32_t key) {
  FilterTypedKey(sender, key, true);
}

void TForm1::ResultKeyPress(QLineEdit* sender, char32_t key) {
  FilterTypedKey(sender, key, false);
}

void TForm1::FilterTypedKey(QLineEdit* sender, char32_t key, bool calculatorFilter) {
  const Field* field = FieldOf(sender);
  if (field == nullptr) return;
  std::optional<char> admitted;
  const Field typedInto = *field;
  const bool handled = Run([&] {
    admitted = calculatorFilter ? session_.CalcKeyPress(typedInto, key)
                                : session_.ResultKeyPress(typedInto, key);
  });
  if (!handled || !admitted) return;
  // The field inserts what the filter let through at its caret, replacing any selection.
  if (*admitted == kBackspaceKey)
    sender->backspace();
  else
    sender->insert(QString(QLatin1Char(*admitted)));
}

}  // namespace vaneko::app
