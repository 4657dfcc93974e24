#include "calculator/tape.h"

#include <utility>

namespace vaneko::calculator {

void Tape::Listen(CalculatorModel& model) {
  model.ReportStep = [this](const StepReport& report) { Append(report); };
}

void Tape::Append(TapeLine line) {
  lines_.push_back(std::move(line));
  while (lines_.size() > kCapacity) lines_.pop_front();
  if (Changed) Changed();
}

void Tape::Clear() {
  lines_.clear();
  if (Changed) Changed();
}

std::string Tape::Text() const {
  std::string text;
  for (const TapeLine& line : lines_) text += line.text + '\n';
  return text;
}

bool Tape::PutResult(std::size_t index, CalculatorModel& model) const {
  if (index >= lines_.size() || lines_[index].result.empty()) return false;
  model.PutEntry(lines_[index].result);
  return true;
}

}  // namespace vaneko::calculator
