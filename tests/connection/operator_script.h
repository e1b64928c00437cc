#pragma once
// What the operator does while a loop runs inside a click handler: steps
// that the event pump of the waits runs in order, each once its condition
// holds. A step may itself click something that runs a loop: the steps go on
// from inside that loop's waits, as events would. A script that does not
// finish in time ends monitoring and closes the link, so no test hangs.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tavro::test {

class OperatorScript {
 public:
  using Condition = std::function<bool()>;
  using Action = std::function<void()>;

  OperatorScript();
  ~OperatorScript();
  OperatorScript(const OperatorScript&) = delete;
  OperatorScript& operator=(const OperatorScript&) = delete;

  OperatorScript& When(std::string name, Condition condition, Action action);
  OperatorScript& Then(std::string name, Action action);
  // Runs at every pump, before the steps.
  void Observe(Action observer) { observer_ = std::move(observer); }

  // Counts from the next Start; the default is 60 s.
  void Start(std::chrono::milliseconds limit = std::chrono::seconds(60));
  // The steps not run yet, by name (empty when the script is done).
  std::vector<std::string> Pending() const;
  bool TimedOut() const { return timedOut_; }
  // How many times the event pump ran.
  long Pumps() const { return pumps_; }

 private:
  struct Step {
    std::string name;
    Condition condition;
    Action action;
  };
  void Pump();

  std::vector<Step> steps_;
  Action observer_;
  size_t next_ = 0;
  std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
  bool timedOut_ = false;
  long pumps_ = 0;
};

}  // namespace tavro::test
