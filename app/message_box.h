// How the main window shows its boxes: the error box (critical icon, OK button) and the
// calculator's notice (OK button). Replaceable so that a test can read the boxes.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace vaneko::app {

using MessageBoxFunction =
    std::function<void(const QString& title, const QString& text, bool critical)>;

// A modal QMessageBox over `parent` with an OK button.
void ShowModalMessageBox(QWidget* parent, const QString& title, const QString& text, bool critical);

}  // namespace vaneko::app
