// Fault injection through the platform layer: records every file step and makes
// chosen steps fail. Uninstalls itself at the end of the test.
#pragma once

#include <cerrno>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "csl_platform.hpp"

namespace faults {

using csl_platform::step;

struct seen {
  step what;
  std::string file;
  bool operator==(const seen&) const = default;
};

class plan {
 public:
  plan() {
    csl_platform::set_fault_hook([this](step s, std::string_view name) { return on(s, name); });
    csl_platform::set_sleep_hook([this](double seconds) { sleeps.push_back(seconds); });
  }
  ~plan() {
    csl_platform::set_fault_hook(nullptr);
    csl_platform::set_sleep_hook(nullptr);
  }
  plan(const plan&) = delete;
  plan& operator=(const plan&) = delete;

  // Every `s` on the file named `file` fails with `error`.
  void fail(step s, std::string file, int error) { rules_.push_back({s, std::move(file), error}); }

  std::vector<seen> steps;
  std::vector<double> sleeps;

 private:
  struct rule {
    step what;
    std::string file;
    int error;
  };

  int on(step s, std::string_view name) {
    steps.push_back({s, std::string(name)});
    for (const rule& r : rules_) {
      if (r.what == s && r.file == name) return r.error;
    }
    return 0;
  }

  std::vector<rule> rules_;
};

}  // namespace faults
