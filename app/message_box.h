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

// Longest quoted text a box shows whole, in characters; a longer one keeps
// kQuotedKept characters at either end.
inline constexpr int kQuotedLimit = 64;
inline constexpr int kQuotedKept = 28;
// Longest message a box shows whole; a longer one keeps kMessageKept characters at either end.
inline constexpr int kMessageLimit = 600;
inline constexpr int kMessageKept = 280;

// The text a box shows for `message`. The quoted part (from the first "'" to the last) is
// shortened when longer than kQuotedLimit, then the whole text when longer than kMessageLimit.
// Characters are counted as Unicode code points, so none is ever split.
QString BoxText(const QString& message);

// The box, not yet shown, over `parent`.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& title,
                                            const QString& text, bool critical);

// A modal QMessageBox over `parent` with an OK button.
void ShowModalMessageBox(QWidget* parent, const QString& title, const QString& text, bool critical);

}  // namespace vaneko::app
