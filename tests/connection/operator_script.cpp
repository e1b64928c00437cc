#include "tests/connection/operator_script.h"

#include <QCoreApplication>

#include "connection/link_objects.h"
#include "connection/link_state.h"
#include "link/wait.h"

namespace tavro::test {

OperatorScript::OperatorScript() {
  SetEventPump([this] { Pump(); });
}

OperatorScript::~OperatorScript() {
  SetEventPump([] { QCoreApplication::processEvents(); });
}

OperatorScript& OperatorScript::When(std::string name, Condition condition, Action action) {
  steps_.push_back({std::move(name), std::move(condition), std::move(action)});
  return *this;
}

OperatorScript& OperatorScript::Then(std::string name, Action action) {
  return When(std::move(name), [] { return true; }, std::move(action));
}

void OperatorScript::Start(std::chrono::milliseconds limit) {
  deadline_ = std::chrono::steady_clock::now() + limit;
}

std::vector<std::string> OperatorScript::Pending() const {
  std::vector<std::string> names;
  for (size_t i = next_; i < steps_.size(); ++i) names.push_back(steps_[i].name);
  return names;
}

void OperatorScript::Pump() {
  ++pumps_;
  QCoreApplication::processEvents();
  if (observer_) observer_();
  if (std::chrono::steady_clock::now() > deadline_) {
    if (!timedOut_) {
      timedOut_ = true;
      modbusSyncActive = false;
      transmitterLink().Close();
    }
    return;
  }
  // The index moves on before the action runs: an action that runs a loop
  // of its own sees the next steps from that loop's waits.
  while (next_ < steps_.size() && steps_[next_].condition()) {
    const Action action = steps_[next_].action;
    ++next_;
    action();
  }
}

}  // namespace tavro::test
