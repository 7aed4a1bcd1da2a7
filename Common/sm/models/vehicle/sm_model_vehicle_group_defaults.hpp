// How group modules keep their defaults: built once, the first time they are
// asked for, and for a group whose data differ per propulsion mode, the three
// defaults it keeps (one mode's defaults, the three modes, and the whole group).
#pragma once

#include <array>
#include <atomic>
#include <mutex>

namespace sm_model_vehicle_group_defaults {

// Runs a group's build once, on first use, safe from several threads. A group's
// start_up builds through it and every default it hands out asks for it first, so
// starting the library leaves the defaults to the callers that need them: a data
// call needs none, and building them all wrote a dozen pages at start-up.
class built_once {
 public:
  void run(void (*build)()) {
    std::call_once(once_, [build, this] {
      build();
      done_.store(true, std::memory_order_release);
    });
  }
  bool done() const { return done_.load(std::memory_order_acquire); }

 private:
  std::once_flag once_;
  std::atomic<bool> done_{false};
};

template <class Mode, class Group>
class defaults {
 public:
  // Every mode takes `mode`; the group's pmode takes the three modes.
  void build(const Mode& mode, Group whole) {
    mode_ = mode;
    modes_ = {mode, mode, mode};
    whole.pmode = modes_;
    whole_ = whole;
  }

  const Mode& mode() const { return mode_; }
  const std::array<Mode, 3>& modes() const { return modes_; }
  const Group& whole() const { return whole_; }

 private:
  Mode mode_{};
  std::array<Mode, 3> modes_{};
  Group whole_{};
};

}  // namespace sm_model_vehicle_group_defaults
