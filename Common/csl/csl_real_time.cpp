#include "csl_real_time.hpp"

#include <array>

#include "csl_exceptions.hpp"
#include "csl_platform.hpp"

namespace csl_real_time {
namespace {

// Days of the year before the first of each month, February counted with 28 days.
constexpr std::array<int, 12> days_before_month{0,   31,  59,  90,  120, 151,
                                                181, 212, 243, 273, 304, 334};

csl_time::time time_of(const csl_platform::calendar_reading& r) {
  constexpr const char* place = "csl_real_time.read_processor_time";
  if (!csl_time::years::in_range(r.year) || r.month < 1 || r.month > 12 || r.day < 1 ||
      r.day > 31) {
    throw csl::range_error(place);
  }
  int day = r.day + days_before_month[static_cast<std::size_t>(r.month - 1)];
  if (r.month >= 3 && r.year % 4 == 0) ++day;
  csl_time::time midnight{r.year, day, 0, 0, 0, 0};
  return midnight + csl_time::convert(static_cast<csl_system_numbers::system_float>(r.seconds));
}

}  // namespace

csl_time::time read_processor_time() {
  return time_of(csl_platform::calendar_clock());
}

csl_time::time processor_time() {
  return read_processor_time();
}

csl_system_numbers::system_duration processor_duration() {
  return csl_system_numbers::system_duration(
      static_cast<float>(csl_platform::calendar_clock().seconds));
}

void set_time(clock& on_clock, const csl_time::time& to_time) {
  csl_time::interval offset = to_time - read_processor_time();
  on_clock = {offset.day_gap, offset.hour_gap, offset.minute_gap, offset.second_gap,
              offset.millisecond_gap};
}

csl_time::time read_time(const clock& from_clock) {
  csl_time::interval offset{from_clock.day_gap, from_clock.hour_gap, from_clock.minute_gap,
                            from_clock.second_gap, from_clock.millisecond_gap};
  return read_processor_time() + offset;
}

}  // namespace csl_real_time
