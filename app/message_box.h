// How the main window shows its boxes: the error box (critical icon, OK button) and the
// calculator's notice (OK button). Replaceable so that a test can read the boxes.
//
// A box is always wide enough for its title in the window frame, and never taller than the
// screen: a long quoted field text is shown by its start, "…" and its end (the message itself,
// as the command line prints it, keeps the whole text).
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

namespace vaneko::app {

using MessageBoxFunction =
    std::function<void(const QString& title, const QString& text, bool critical)>;

// The text a box shows for `message`: the command line's rule (core/message_text.h), so that a
// long quoted field text is shown by its start, "…" and its end, and a control character typed
// or pasted into a field is written out.
QString BoxText(const QString& message);

// The box, not yet shown, over `parent`.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title,
                                            const QString& text, bool critical);

// A modal QMessageBox over `parent` with an OK button.
void ShowModalMessageBox(QWidget* parent, const QString& title, const QString& text, bool critical);

}  // namespace vaneko::app
