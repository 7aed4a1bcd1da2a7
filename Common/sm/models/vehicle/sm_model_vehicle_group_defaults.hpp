// The three defaults of a group whose data differ per propulsion mode: one mode's
// defaults, the three modes, and the whole group, built once at start-up.
#pragma once

#include <array>

namespace sm_model_vehicle_group_defaults {

template <class Mode, class Group>
class defaults {
 public:
  // Every mode takes `mode`; the group's pmode takes the three modes.
  void build(const Mode& mode, Group whole) {
    mode_ = mode;
    modes_ = {mode, mode, mode};
    whole.pmode = modes_;
    whole_ = whole;
    built_ = true;
  }

  bool built() const { return built_; }
  const Mode& mode() const { return mode_; }
  const std::array<Mode, 3>& modes() const { return modes_; }
  const Group& whole() const { return whole_; }

 private:
  Mode mode_{};
  std::array<Mode, 3> modes_{};
  Group whole_{};
  bool built_ = false;
};

}  // namespace sm_model_vehicle_group_defaults
