#include "sm_model_vehicle_characteristics.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <utility>

#include "csl_decibel.hpp"

namespace sm_model_vehicle_characteristics {
namespace {

constexpr std::string_view module_place = "sm_model_vehicle_characteristics.";

}  // namespace

not_started::not_started(std::string place)
    : named_error("SM_MODEL_VEHICLE_CHARACTERISTICS.NOT_STARTED", std::move(place)) {}

std::string id::name() const {
  if (named_ != nullptr) return named_;
  std::string digits = std::to_string(number_);
  if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
  return "c" + digits;
}

std::optional<int> id::number() const {
  if (named_ != nullptr) return std::nullopt;
  return number_;
}

// ---- Helpers ----

std::string integer_image(std::int64_t value) {
  return csl_system_numbers::image_of(value);
}

std::string real_text(float value) {
  if (value == 0.0F) return "0";  // -0.0 too
  std::array<char, 64> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc()) return "?";
  return std::string(text.data(), end);
}

csl_time::duration duration_of_seconds(float seconds, std::string_view place) {
  // A float32 times 10^9 needs at most 24 + 30 bits, so the double product is
  // exact and the one rounding is the one to the nearest nanosecond.
  const double nanoseconds = std::round(static_cast<double>(seconds) * 1.0e9);
  if (!(nanoseconds >= -9223372036854775808.0 && nanoseconds < 9223372036854775808.0)) {
    throw csl::range_error(std::string(place));
  }
  return csl_time::duration(static_cast<std::int64_t>(nanoseconds));
}

csl_time::interval interval_of_seconds(std::int64_t seconds) {
  if (seconds < std::numeric_limits<csl_time::system_integer>::min() ||
      seconds > std::numeric_limits<csl_time::system_integer>::max()) {
    throw csl::range_error(std::string(module_place) + "interval_of_seconds");
  }
  return csl_time::convert(static_cast<csl_time::system_integer>(seconds));
}

// ---- Descriptors ----

void descriptor::require_started(std::string_view item) const {
  if (!started_) {
    throw not_started(std::string(module_place) + "descriptor (" + name() + "." +
                      std::string(item) + ")");
  }
}

catalogue::row descriptor::row_of(catalogue::kind k) const {
  const module& m = module_;
  catalogue::row r;
  r.name = who_.name();
  r.number = who_.number();
  r.group = std::string(m.group);
  r.types_module = std::string(m.types_module);
  r.alias = std::string(who_.alias());
  r.kind_ = k;
  return r;
}

// ---- Choice lists ----

choice_list::choice_list(std::vector<std::string> images) : images_(std::move(images)) {
  for (const std::string& image : images_) {
    const auto length = static_cast<int>(image.size());
    if (starts_.empty()) {
      starts_.push_back(1);
      text_ = image;
    } else {
      starts_.push_back(finishes_.back() + 2);
      text_ += "," + image;
    }
    finishes_.push_back(starts_.back() + length - 1);
  }
}

int choice_list::start(std::size_t index) const {
  if (index >= starts_.size()) throw csl::range_error(std::string(module_place) + "start");
  return starts_[index];
}

int choice_list::finish(std::size_t index) const {
  if (index >= finishes_.size()) throw csl::range_error(std::string(module_place) + "finish");
  return finishes_[index];
}

std::string choice_list::options(std::size_t from, std::size_t to) const {
  const int first = start(from);
  const int last = finish(to);
  if (last < first) return {};
  return text_.substr(static_cast<std::size_t>(first - 1),
                      static_cast<std::size_t>(last - first + 1));
}

std::size_t choice_list::room() const {
  if (images_.empty()) return 0;
  std::size_t longest = 0;
  for (const std::string& image : images_) longest = std::max(longest, image.size());
  return images_.size() * (longest + 1) - 1;
}

std::string upper_case(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

// ---- Quantities ----

std::string_view symbol_of(unit u) {
  switch (u) {
    case unit::metres:
      return "m";
    case unit::feet:
      return "ft";
    case unit::yards:
      return "yd";
    case unit::knots:
      return "kn";
    case unit::metres_per_second:
      return "m/s";
    case unit::degrees:
    case unit::float_degrees:
      return "deg";
    case unit::rpm:
      return "rpm";
    case unit::decibels:
      return "dB";
  }
  throw csl::range_error(std::string(module_place) + "symbol_of");
}

std::string_view image_name_of(image i) {
  switch (i) {
    case image::feet:
      return "csl_image_utilities.image_in_feet_of";
    case image::yards:
      return "csl_image_utilities.image_in_yards_of";
    case image::knots:
      return "csl_image_utilities.image_in_knots_of";
    case image::feet_per_second:
      return "csl_image_utilities.image_in_feet_per_second_of";
    case image::degrees_360:
      return "csl_image_utilities.image_in_degrees_360_of";
    case image::degrees_180:
      return "csl_image_utilities.image_in_degrees_180_of";
    case image::rpm:
      return "csl_image_utilities.image_in_rpm_of";
    case image::db:
      return "csl_image_utilities.db_image_of";
  }
  throw csl::range_error(std::string(module_place) + "image_name_of");
}

std::string_view symbol_of(image i) {
  switch (i) {
    case image::feet:
      return symbol_of(unit::feet);
    case image::yards:
      return symbol_of(unit::yards);
    case image::knots:
      return symbol_of(unit::knots);
    case image::feet_per_second:
      return "ft/s";
    case image::degrees_360:
    case image::degrees_180:
      return symbol_of(unit::degrees);
    case image::rpm:
      return symbol_of(unit::rpm);
    case image::db:
      return symbol_of(unit::decibels);
  }
  throw csl::range_error(std::string(module_place) + "symbol_of");
}

namespace {

// A unit the quantity is not made from: a descriptor written against its family.
[[noreturn]] void wrong_unit(std::string_view quantity) {
  throw csl::range_error(std::string(module_place) + "make (" + std::string(quantity) + ")");
}

template <class Length>
Length length_of(length_amount a) {
  switch (a.in) {
    case unit::metres:
      return csl_length::create<Length>(csl_length::metres{a.value});
    case unit::feet:
      return csl_length::create<Length>(csl_length::feet{a.value});
    case unit::yards:
      return csl_length::create<Length>(csl_length::yards{a.value});
    default:
      wrong_unit("length");
  }
}

}  // namespace

csl_length::distance quantity_type<csl_length::distance>::make(length_amount a) {
  return length_of<csl_length::distance>(a);
}

csl_length::position_vector quantity_type<csl_length::position_vector>::make(length_amount a) {
  return length_of<csl_length::position_vector>(a);
}

csl_velocity::speed quantity_type<csl_velocity::speed>::make(speed_amount a) {
  if (a.in == unit::knots) return csl_velocity::create(csl_velocity::knots{a.value});
  if (a.in == unit::metres_per_second) {
    return csl_velocity::create(csl_velocity::metres_per_second{a.value});
  }
  wrong_unit("speed");
}

csl_angle::angle quantity_type<csl_angle::angle>::make(angle_amount a) {
  if (a.in == unit::degrees) return csl_angle::from_degree_convert(csl_angle::degrees(a.value));
  if (a.in == unit::float_degrees) return csl_angle::from_float_degrees_convert(a.value);
  wrong_unit("angle");
}

csl_angle_rate::rate quantity_type<csl_angle_rate::rate>::make(rate_amount a) {
  if (a.in == unit::rpm) return csl_angle_rate::rate_of(csl_angle_rate::rpm(a.value));
  wrong_unit("rate");
}

csl_levels::db quantity_type<csl_levels::db>::make(level_amount a) {
  if (a.in == unit::decibels) return csl_levels::level_of(csl_decibel::dbs_of(a.value));
  wrong_unit("level");
}

// ---- Reading amounts back from unit images ----

namespace {

constexpr float largest_float = std::numeric_limits<float>::max();
constexpr amount_range any_amount{-largest_float, largest_float};

// An image shows feet or yards; a length amount in that unit.
length_amount length_in(image i, float amount) {
  return {amount, i == image::yards ? unit::yards : unit::feet};
}

}  // namespace

amount_range quantity_type<csl_length::distance>::read_range(image i) {
  // A length is not negative (the conversion would take the magnitude of a
  // negative amount). The largest amount is the one whose metres stay within the
  // type, products taken in single precision as the conversion takes them.
  const float factor =
      i == image::yards ? csl_length::yards_to_metres_convert : csl_length::feet_to_metres_convert;
  float last = csl_length::distance_last / factor;
  while (last * factor > csl_length::distance_last) last = std::nextafter(last, 0.0F);
  return {0.0F, last};
}

csl_length::distance quantity_type<csl_length::distance>::read(image i, float amount) {
  return make(length_in(i, amount));
}

amount_range quantity_type<csl_length::position_vector>::read_range(image) {
  return any_amount;  // a factor below 1 keeps every amount finite
}

csl_length::position_vector quantity_type<csl_length::position_vector>::read(image i,
                                                                             float amount) {
  return make(length_in(i, amount));
}

amount_range quantity_type<csl_velocity::speed>::read_range(image) {
  return any_amount;  // knots x 0.51 and feet per second / 3.28 stay finite
}

csl_velocity::speed quantity_type<csl_velocity::speed>::read(image i, float amount) {
  if (i == image::feet_per_second) {
    // The image multiplies metres per second by this factor.
    return csl_velocity::create(csl_velocity::metres_per_second{amount / 3.2808399F});
  }
  return make({amount, unit::knots});
}

amount_range quantity_type<csl_angle::angle>::read_range(image i) {
  if (i == image::degrees_180) return {-180.0F, 180.0F};
  return {0.0F, 360.0F};
}

csl_angle::angle quantity_type<csl_angle::angle>::read(image i, float amount) {
  // As the bounds: -180 .. 180 through from_degree_convert, 0 .. 360 through
  // from_float_degrees_convert, which brings 180 .. 360 round to -180 .. 0.
  return make({amount, i == image::degrees_180 ? unit::degrees : unit::float_degrees});
}

amount_range quantity_type<csl_angle_rate::rate>::read_range(image) {
  return {csl_angle_rate::rpm::first, csl_angle_rate::rpm::last};
}

csl_angle_rate::rate quantity_type<csl_angle_rate::rate>::read(image, float amount) {
  return make({amount, unit::rpm});
}

amount_range quantity_type<csl_levels::db>::read_range(image) {
  // The images of the end counts, -512.0 and 512.0 (511.984375 to one decimal),
  // read back as those counts: amounts between round to the nearest count, and
  // the few beyond the last count saturate at it, as levels do.
  return {-512.0F, 512.0F};
}

csl_levels::db quantity_type<csl_levels::db>::read(image, float amount) {
  return make({amount, unit::decibels});
}

std::string image_with(image i, csl_length::distance v) {
  return i == image::yards ? csl_image_utilities::image_in_yards_of(v)
                           : csl_image_utilities::image_in_feet_of(v);
}

std::string image_with(image, csl_length::position_vector v) {
  return csl_image_utilities::image_in_feet_of(v);
}

std::string image_with(image i, csl_velocity::speed v) {
  return i == image::feet_per_second ? csl_image_utilities::image_in_feet_per_second_of(v)
                                     : csl_image_utilities::image_in_knots_of(v);
}

std::string image_with(image i, csl_angle::angle v) {
  return i == image::degrees_180 ? csl_image_utilities::image_in_degrees_180_of(v)
                                 : csl_image_utilities::image_in_degrees_360_of(v);
}

std::string image_with(image, csl_angle_rate::rate v) {
  return csl_image_utilities::image_in_rpm_of(v);
}

std::string image_with(image, csl_levels::db v) {
  return csl_image_utilities::db_image_of(v);
}

}  // namespace sm_model_vehicle_characteristics
