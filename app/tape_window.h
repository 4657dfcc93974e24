// The tape window: every step of the calculator, one line each, newest at the bottom. Like the
// circle window it is modeless and closing it only hides it. Its lines can be copied whole
// (Ctrl+C or "Copier") and cleared ("Effacer"); a double-click on a line asks for its result to
// go into Calc.
#pragma once

#include <QWidget>

#include "calculator/tape.h"

class QListWidget;
class QPushButton;

namespace vaneko::app {

class TapeWindow : public QWidget {
  Q_OBJECT

 public:
  explicit TapeWindow(calculator::Tape& tape, QWidget* parent = nullptr);

  // Captions, title and accessible names in the interface language.
  void SetLanguage(bool english);

  QListWidget* Lines = nullptr;
  QPushButton* CopyKey = nullptr;
  QPushButton* ClearKey = nullptr;

 public slots:
  // Puts every line on the clipboard, one per line.
  void CopyAll();
  void ClearAll();
  // Shows the tape's lines again, scrolled to the newest.
  void Refresh();

 signals:
  // The user double-clicked line `row`: its result is wanted in Calc.
  void ResultChosen(int row);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  calculator::Tape& tape_;
};

}  // namespace vaneko::app
