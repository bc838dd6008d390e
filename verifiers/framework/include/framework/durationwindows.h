#pragma once
// The duration windows a verifier states for the run and for the expansion before it, as data: a list that
// IndividualTestCaseBase::CheckDurationWindows checks in order, each window only on the machines it applies to.
#include "site/hostnames.h"
#include <optional>
#include <vector>

namespace Varnel {

// Milliseconds, both bounds included.
struct DurationWindow {
  int min;
  int max;
};

// What a window times: the whole run (the cumulative time of the last row) or the expansion before it (the
// number in the expansion heading).
enum class TimedSpan { Experiment, Expansion };

// One window. A general one (no machine) applies everywhere but on the build farm, which has windows of its own;
// a host window applies only on its machine.
struct DurationWindowCheck {
  TimedSpan span;
  std::optional<SiteMachine> onlyOn;
  DurationWindow window;
};

// A verifier's windows, checked and reported in this order.
using DurationWindows = std::vector<DurationWindowCheck>;

constexpr DurationWindowCheck ExperimentWindow(int min, int max) {
  return {TimedSpan::Experiment, std::nullopt, {min, max}};
}
constexpr DurationWindowCheck ExpansionWindow(int min, int max) {
  return {TimedSpan::Expansion, std::nullopt, {min, max}};
}
constexpr DurationWindowCheck ExperimentWindowOn(SiteMachine machine, int min, int max) {
  return {TimedSpan::Experiment, machine, {min, max}};
}
constexpr DurationWindowCheck ExpansionWindowOn(SiteMachine machine, int min, int max) {
  return {TimedSpan::Expansion, machine, {min, max}};
}

}  // namespace Varnel
