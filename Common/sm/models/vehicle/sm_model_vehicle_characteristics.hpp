// The characteristic descriptor family: what every numbered characteristic of the
// vehicle record carries besides its stored value (default, editing bounds, bound
// images, image operation, choice list, duration and interval), one class template
// per kind. A types module declares each characteristic in one line, in the order
// it starts them:
//
//   using c210_type = float;
//   inline constinit ch::plain_real<c210_type, 3, 1> c210{{210, "towed_depth_factor"}, 0.0F,
//                                                         100.0F, 10.0F};
//   inline constinit ch::quantity<csl_length::distance> c200{{200, "length"}, ch::yards(0),
//                                                            ch::yards(33333), ch::yards(50)};
//   inline constinit ch::enumeration c440{440, {"fixed", "cpp"}, c440_type::fixed,
//                                         c440_type::cpp, c440_type::fixed};
//   inline constinit ch::time<c437_type> c437{437, 0, 999, 3};
//   inline constinit ch::quantity<csl_velocity::speed> c430{{430, "max_speed"}, ch::min_of(c429),
//                                                           ch::max_of(c429), ch::max_of(c429)};
//
// and its start-up is `ch::start(module, c200, c210, c440, ...)`. The items of a
// characteristic cNNN are members of its descriptor: cNNN_default is
// cNNN.default_(), cNNN_min_image is cNNN.min_image(), cNNN_image_of(v) is
// cNNN.image_of(v), cNNN_choice_list.options(a, b) is cNNN.choice_list().options(a, b),
// cNNN_duration_of(v) is cNNN.duration_of(v). Bounds and defaults are given in
// operator units and arguments run min, max, default, as the group tables do.
//
// Literal defaults and bounds (integers, enumerations, reals, texts) can be read
// at any time. Converted quantities, bound images and choice lists exist once the
// types module has started; reading one before is "SM_MODEL_VEHICLE_CHARACTERISTICS.
// NOT_STARTED". Starting hands the catalogue the characteristic's row; converted
// defaults and bounds, the bound images, the choice list and the row itself are
// built the first time they are asked for, and kept for the life of the process,
// so that starting the library does only the work its callers need.
#pragma once

#include <algorithm>
#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "csl_angle.hpp"
#include "csl_angle_rate.hpp"
#include "csl_exceptions.hpp"
#include "csl_fixed_text.hpp"
#include "csl_image_utilities.hpp"
#include "csl_length.hpp"
#include "csl_levels.hpp"
#include "csl_quantity.hpp"
#include "csl_ranged.hpp"
#include "csl_system_numbers.hpp"
#include "csl_time.hpp"
#include "csl_velocity.hpp"
#include "sm_model_vehicle_catalogue.hpp"

namespace sm_model_vehicle_characteristics {

namespace catalogue = sm_model_vehicle_catalogue;

// An item was read before its types module started, or a copied item before the
// characteristic it copies was computed.
class not_started : public csl::named_error {
 public:
  explicit not_started(std::string place);
};

// Where the rows of a types module go.
struct module {
  std::string_view group;         // "general"
  std::string_view types_module;  // "sm_model_vehicle_general_types"
};

// A value a descriptor builds the first time it is needed (a bound image, a
// choice list) and keeps until the process ends, in storage shared by every
// descriptor. The descriptor holds only a pointer to it: descriptors are several
// hundred namespace-scope variables, and without members that have destructors
// the compiler lays them out itself (constinit) instead of emitting code that
// builds each one when the library is loaded and registers its destructor.
template <class T>
class kept {
 public:
  // Keeps `value`; called once per descriptor, under its finish_once.
  void keep(T value) { value_ = &stored(std::move(value)); }
  const T& operator*() const { return *value_; }
  const T* operator->() const { return value_; }

 private:
  static const T& stored(T value) {
    static std::mutex lock;
    static std::deque<T> values;  // a deque: what it holds never moves
    const std::lock_guard<std::mutex> hold(lock);
    return values.emplace_back(std::move(value));
  }

  const T* value_ = nullptr;
};

// Who a characteristic is: a number, with the alias its group gives it, or for
// the few named items of a types module ("issue") a name alone.
class id {
 public:
  constexpr id(int number, std::string_view alias = {})  // NOLINT(google-explicit-constructor)
      : number_(number), alias_(alias) {}
  constexpr id(const char* name) : named_(name) {}  // NOLINT(google-explicit-constructor)

  // "c005", "c200", "c1060"; or the item's name.
  std::string name() const;
  std::optional<int> number() const;
  std::string_view alias() const { return alias_; }

 private:
  int number_ = 0;
  std::string_view alias_;
  const char* named_ = nullptr;
};

// ---- Helpers shared by the kinds ----

// " 1", "-99", " 0".
std::string integer_image(std::int64_t value);
// The shortest text that reads back as the float: 33333, -333.3, 9999.99, 0.
std::string real_text(float value);
// value seconds as nanoseconds: value x 10^9 from the float32 value, to the nearest
// nanosecond, halves away from zero. A count beyond 64 bits is the range error.
csl_time::duration duration_of_seconds(float seconds, std::string_view place);
// Whole seconds as an interval (csl_time.convert, integer form).
csl_time::interval interval_of_seconds(std::int64_t seconds);

// What every descriptor has: its identity and whether its module has started.
// Descriptors are namespace-scope variables that live as long as the process: the
// catalogue builds a started descriptor's row from it when first read.
class descriptor {
 public:
  constexpr explicit descriptor(id who) : who_(who) {}

  const id& who() const { return who_; }
  // The catalogue's node for this characteristic's row.
  catalogue::later& row_node() { return later_; }
  std::string name() const { return who_.name(); }
  bool started() const { return started_; }

 protected:
  // Raises not_started naming the item when the module has not started.
  void require_started(std::string_view item) const;
  // The row's identity, kind and module; the kind fills the rest.
  catalogue::row row_of(catalogue::kind k) const;
  // Marks the descriptor started in module m and keeps `make`, which builds the
  // row of `self` (the whole characteristic) when the catalogue is first read;
  // start() below hands the rows to the catalogue.
  void mark_started(const module& m, const void* self, catalogue::row (*make)(const void*)) {
    module_ = m;
    started_ = true;
    later_.make = make;
    later_.owner = self;
  }
  // Runs `finish` (bound images, choice list) once, the first time it is needed;
  // safe from several threads.
  template <class F>
  void finish_once(F&& finish) const {
    std::call_once(finished_, std::forward<F>(finish));
  }

 private:
  id who_;
  module module_{};
  bool started_ = false;
  mutable std::once_flag finished_;
  catalogue::later later_{};
};

// ---- Integer and time characteristics ----

// A plain integral type spans its whole range; csl::ranged its own.
template <class T>
struct integer_range;

template <std::integral I>
struct integer_range<I> {
  static constexpr std::int64_t first = std::numeric_limits<I>::min();
  static constexpr std::int64_t last = static_cast<std::int64_t>(std::numeric_limits<I>::max());
  static constexpr std::int64_t value_of(I v) { return v; }
};

template <std::integral S, std::int64_t Lo, std::int64_t Hi>
struct integer_range<csl::ranged<S, Lo, Hi>> {
  static constexpr std::int64_t first = Lo;
  static constexpr std::int64_t last = Hi;
  static constexpr std::int64_t value_of(csl::ranged<S, Lo, Hi> v) { return v.value(); }
};

template <class T>
concept integer_type = requires {
  integer_range<T>::first;
};

// The integer image of a value of T; a value outside T's range (one read from a
// file, say) is the range error.
template <integer_type T>
std::string integer_image_of(std::int64_t value, std::string_view place) {
  if (value < integer_range<T>::first || value > integer_range<T>::last) {
    throw csl::range_error(std::string(place));
  }
  return integer_image(value);
}

// An integer characteristic. With OwnImage false it shares the type and image
// operation of another characteristic (named by image_owner) and has no
// image_of of its own.
template <integer_type T, bool OwnImage = true>
class integer : public descriptor {
 public:
  using type = T;

  constexpr integer(id who, std::int64_t min, std::int64_t max, std::int64_t default_value,
                    std::string_view image_owner = {})
      : descriptor(who),
        min_(min),
        max_(max),
        default_value_(default_value),
        image_owner_(image_owner) {}

  T default_() const { return make(default_value_); }
  T min() const { return make(min_); }
  T max() const { return make(max_); }
  const std::string& min_image() const {
    require_started("min_image");
    finish();
    return *min_image_;
  }
  const std::string& max_image() const {
    require_started("max_image");
    finish();
    return *max_image_;
  }
  std::string image_of(T value) const requires OwnImage {
    return integer_image_of<T>(integer_range<T>::value_of(value), name() + "_image_of");
  }

  void start(const module& m) {
    mark_started(m, this,
                 [](const void* self) { return static_cast<const integer*>(self)->row(); });
  }

 protected:
  // The bound images.
  void finish() const {
    finish_once([this] {
      min_image_.keep(integer_image_of<T>(integer_range<T>::value_of(min()), name() + ".min"));
      max_image_.keep(integer_image_of<T>(integer_range<T>::value_of(max()), name() + ".max"));
    });
  }

  catalogue::row row() const {
    finish();
    catalogue::row r = row_of(kind_);
    r.value_type = "integer " + std::to_string(integer_range<T>::first) + " .. " +
                   std::to_string(integer_range<T>::last);
    r.type_first = static_cast<double>(integer_range<T>::first);
    r.type_last = static_cast<double>(integer_range<T>::last);
    r.default_ = literal(integer_range<T>::value_of(default_()));
    r.min = literal(integer_range<T>::value_of(min()));
    r.max = literal(integer_range<T>::value_of(max()));
    r.min_image = *min_image_;
    r.max_image = *max_image_;
    const std::string owner = OwnImage ? name() : std::string(image_owner_);
    r.image_name = owner + "_image_of (integer image)";
    const std::string place = owner + "_image_of";
    r.image_of = [place](double stored) {
      return integer_image_of<T>(csl_system_numbers::round_to_integer(stored), place);
    };
    r.stored_of = [who = name()](std::string_view text) {
      return static_cast<double>(
          catalogue::whole_number_of(who, text, integer_range<T>::first, integer_range<T>::last));
    };
    r.has_duration = r.has_interval = kind_ == catalogue::kind::time;
    return r;
  }

  catalogue::kind kind_ = catalogue::kind::integer;

 private:
  T make(std::int64_t v) const {
    if (v < integer_range<T>::first || v > integer_range<T>::last) {
      throw csl::range_error(name());
    }
    return T(v);
  }
  static catalogue::value literal(std::int64_t v) {
    return {static_cast<double>(v), std::to_string(v)};
  }

  std::int64_t min_;
  std::int64_t max_;
  std::int64_t default_value_;
  std::string_view image_owner_;
  mutable kept<std::string> min_image_;
  mutable kept<std::string> max_image_;
};

template <integer_type T>
using integer_sharing_image = integer<T, false>;

// Whole seconds: an integer characteristic that also converts to a duration and
// to an interval.
template <integer_type T>
class time : public integer<T> {
 public:
  constexpr time(id who, std::int64_t min, std::int64_t max, std::int64_t default_value)
      : integer<T>(who, min, max, default_value) {
    this->kind_ = catalogue::kind::time;
  }

  csl_time::duration duration_of(T value) const {
    return duration_of_seconds(static_cast<float>(integer_range<T>::value_of(value)),
                               this->name() + "_duration_of");
  }
  csl_time::interval interval_of(T value) const {
    return interval_of_seconds(integer_range<T>::value_of(value));
  }
};

// ---- Plain real and real-time characteristics ----

// A real characteristic's type: float, or a float quantity without unit image
// (csl_statistical.percentage, csl_frequency.offset).
template <class T>
struct real_type;

template <>
struct real_type<float> {
  static constexpr std::string_view name = "single-precision real";
  static constexpr float first = -std::numeric_limits<float>::max();
  static constexpr float last = std::numeric_limits<float>::max();
  static constexpr float value_of(float v) { return v; }
  static constexpr float make(float v) { return v; }
};

template <csl::type_name Name, std::uint32_t Lo, std::uint32_t Hi, class Scope>
struct real_type<csl::quantity<Name, Lo, Hi, Scope>> {
  static constexpr std::string_view name = Name.text;
  // The finite values of the type: an unbounded end is the largest float.
  static constexpr float first =
      std::max(csl::quantity<Name, Lo, Hi, Scope>::first, -std::numeric_limits<float>::max());
  static constexpr float last =
      std::min(csl::quantity<Name, Lo, Hi, Scope>::last, std::numeric_limits<float>::max());
  static constexpr float value_of(csl::quantity<Name, Lo, Hi, Scope> v) { return v.value(); }
  static constexpr csl::quantity<Name, Lo, Hi, Scope> make(float v) {
    return csl::quantity<Name, Lo, Hi, Scope>(v);
  }
};

template <class T>
concept real_characteristic_type = requires {
  real_type<T>::name;
};

// A real with its fixed-decimal image of B characters before the point and A after.
template <real_characteristic_type T, int B, int A>
class plain_real : public descriptor {
 public:
  using type = T;
  using fixed_decimal = csl_image_utilities::fixed_decimal<float, B, A>;
  static constexpr int chars_before_point = B;
  static constexpr int chars_after_point = A;

  constexpr plain_real(id who, float min, float max, float default_value)
      : descriptor(who), min_(min), max_(max), default_value_(default_value) {}

  T default_() const { return real_type<T>::make(default_value_); }
  T min() const { return real_type<T>::make(min_); }
  T max() const { return real_type<T>::make(max_); }
  const std::string& min_image() const {
    require_started("min_image");
    finish();
    return *min_image_;
  }
  const std::string& max_image() const {
    require_started("max_image");
    finish();
    return *max_image_;
  }
  std::string image_of(T value) const {
    return fixed_decimal::image_of(real_type<T>::value_of(value), name() + "_image_of");
  }

  void start(const module& m) {
    mark_started(m, this,
                 [](const void* self) { return static_cast<const plain_real*>(self)->row(); });
  }

 protected:
  // The bound images.
  void finish() const {
    finish_once([this] {
      min_image_.keep(image_of(min()));
      max_image_.keep(image_of(max()));
    });
  }

  catalogue::row row() const {
    finish();
    catalogue::row r = row_of(kind_);
    r.value_type = std::string(real_type<T>::name);
    if (kind_ == catalogue::kind::time) r.value_type += ", seconds";
    r.default_ = literal(default_value_);
    r.min = literal(min_);
    r.max = literal(max_);
    r.min_image = *min_image_;
    r.max_image = *max_image_;
    r.image_name = name() + "_image_of (fixed-decimal image, " + std::to_string(B) +
                   " before the point, " + std::to_string(A) + " after)";
    const std::string instance = name() + "_image_of";
    r.image_of = [instance](double stored) {
      return fixed_decimal::image_of(static_cast<float>(stored), instance);
    };
    r.stored_of = [who = name()](std::string_view text) {
      return static_cast<double>(
          catalogue::real_number_of(who, text, {}, real_type<T>::first, real_type<T>::last));
    };
    r.has_duration = kind_ == catalogue::kind::time;
    return r;
  }

  catalogue::kind kind_ = catalogue::kind::plain_real;

 private:
  static catalogue::value literal(float v) { return {static_cast<double>(v), real_text(v)}; }

  float min_;
  float max_;
  float default_value_;
  mutable kept<std::string> min_image_;
  mutable kept<std::string> max_image_;
};

// Seconds as a real: a plain real that also converts to a duration.
template <real_characteristic_type T, int B, int A>
class real_time : public plain_real<T, B, A> {
 public:
  constexpr real_time(id who, float min, float max, float default_value)
      : plain_real<T, B, A>(who, min, max, default_value) {
    this->kind_ = catalogue::kind::time;
  }

  csl_time::duration duration_of(T value) const {
    return duration_of_seconds(real_type<T>::value_of(value), this->name() + "_duration_of");
  }
};

// ---- Enumeration characteristics ----

// The list of an enumeration's literal images, each value at its start and finish
// positions (1-based) in the list text, separated by commas.
class choice_list {
 public:
  choice_list() = default;
  explicit choice_list(std::vector<std::string> images);

  std::size_t size() const { return starts_.size(); }
  // Of the literal at `index` (0 for the first).
  int start(std::size_t index) const;
  int finish(std::size_t index) const;
  // Characters start(from) .. finish(to) of the text; empty when finish(to) is
  // before start(from).
  std::string options(std::size_t from, std::size_t to) const;
  // The list text, up to the last literal's finish.
  const std::string& text() const { return text_; }
  // k x (W + 1) - 1 for k literals of at most W characters: the room the list
  // is given, of which only text() is ever read.
  std::size_t room() const;

 private:
  std::vector<std::string> images_;
  std::vector<int> starts_;
  std::vector<int> finishes_;
  std::string text_;
};

// A choice list whose positions are asked for by literal.
template <class E>
class enumeration_choice_list {
 public:
  enumeration_choice_list() = default;
  enumeration_choice_list(E first, choice_list list) : first_(first), list_(std::move(list)) {}

  int start(E value) const { return list_.start(index_of(value)); }
  int finish(E value) const { return list_.finish(index_of(value)); }
  std::string options(E from, E to) const { return list_.options(index_of(from), index_of(to)); }
  const std::string& text() const { return list_.text(); }
  std::size_t room() const { return list_.room(); }
  const choice_list& untyped() const { return list_; }

 private:
  std::size_t index_of(E value) const {
    const auto v = static_cast<std::int64_t>(value);
    const auto f = static_cast<std::int64_t>(first_);
    if (v < f || v >= f + static_cast<std::int64_t>(list_.size())) {
      throw csl::range_error("sm_model_vehicle_characteristics.choice_list");
    }
    return static_cast<std::size_t>(v - f);
  }

  E first_{};
  choice_list list_;
};

// The literal's name in capitals: "either_side" gives "EITHER_SIDE".
std::string upper_case(std::string_view name);

// An enumeration characteristic over the N literals of E from `first` on (the
// whole enumeration, or a range of it such as csl_tonals.series_type spd .. modu),
// named in declaration order.
template <class E, std::size_t N>
requires std::is_enum_v<E>
class enumeration : public descriptor {
 public:
  using type = E;

  // The enumeration's literals start at the value 0.
  constexpr enumeration(id who, const std::string_view (&names)[N], E min, E max, E default_value)
      : enumeration(who, E{}, names, min, max, default_value) {}
  constexpr enumeration(id who, E first, const std::string_view (&names)[N], E min, E max,
                        E default_value)
      : descriptor(who), first_(first), min_(min), max_(max), default_value_(default_value) {
    for (std::size_t i = 0; i < N; ++i) names_[i] = names[i];
  }

  E default_() const { return checked(default_value_, ""); }
  E min() const { return checked(min_, ""); }
  E max() const { return checked(max_, ""); }
  E first() const { return first_; }
  E last() const { return static_cast<E>(position(first_) + static_cast<std::int64_t>(N) - 1); }

  // The literal's name in capitals; a value outside the type is the range error.
  std::string image_of(E value) const {
    const E v = checked(value, "_image_of");
    return upper_case(names_[static_cast<std::size_t>(position(v) - position(first_))]);
  }
  const enumeration_choice_list<E>& choice_list() const {
    require_started("choice_list");
    finish();
    return *list_;
  }
  const std::string& choice_list_image() const {
    require_started("choice_list_image");
    finish();
    return *list_image_;
  }

  void start(const module& m) {
    mark_started(m, this,
                 [](const void* self) { return static_cast<const enumeration*>(self)->row(); });
  }

 private:
  static std::int64_t position(E v) { return static_cast<std::int64_t>(v); }

  // The place of a range error is the name followed by `suffix`, built only when
  // raised: defaults are read for every group default at start-up.
  E checked(E v, std::string_view suffix) const {
    if (position(v) < position(first_) || position(v) > position(last())) {
      throw csl::range_error(name() + std::string(suffix));
    }
    return v;
  }

  catalogue::value literal(E v) const { return {static_cast<double>(position(v)), image_of(v)}; }

  // The choice list and its image.
  void finish() const {
    finish_once([this] {
      std::vector<std::string> images;
      images.reserve(N);
      for (const std::string_view n : names_) images.push_back(upper_case(n));
      list_.keep(enumeration_choice_list<E>(
          first_, sm_model_vehicle_characteristics::choice_list(std::move(images))));
      list_image_.keep(list_->options(first(), last()));
    });
  }

  catalogue::row row() const {
    finish();
    catalogue::row r = row_of(catalogue::kind::enumeration);
    r.value_type = "enumeration " + image_of(first()) + " .. " + image_of(last());
    r.type_first = static_cast<double>(position(first()));
    r.type_last = static_cast<double>(position(last()));
    r.default_ = literal(default_());
    r.min = literal(min());
    r.max = literal(max());
    r.image_name = name() + "_image_of (enumeration image)";
    const std::string place = name() + "_image_of";
    r.image_of = [names = names_, first = position(first_), place](double stored) {
      const std::int64_t v = csl_system_numbers::round_to_integer(stored);
      if (v < first || v >= first + static_cast<std::int64_t>(N)) throw csl::range_error(place);
      return upper_case(names[static_cast<std::size_t>(v - first)]);
    };
    std::vector<std::string> images;
    for (std::size_t i = 0; i < N; ++i) {
      const sm_model_vehicle_characteristics::choice_list& list = list_->untyped();
      r.choices.push_back({position(first_) + static_cast<std::int64_t>(i), upper_case(names_[i]),
                           list.start(i), list.finish(i)});
      images.push_back(r.choices.back().image);
    }
    r.choice_list_image = *list_image_;
    r.stored_of = [who = name(), images = std::move(images),
                   first = position(first_)](std::string_view text) {
      return static_cast<double>(catalogue::literal_of(who, text, images, first));
    };
    return r;
  }

  E first_;
  E min_;
  E max_;
  E default_value_;
  std::array<std::string_view, N> names_{};
  mutable kept<enumeration_choice_list<E>> list_;
  mutable kept<std::string> list_image_;
};

template <class E, std::size_t N>
enumeration(id, const std::string_view (&)[N], E, E, E) -> enumeration<E, N>;
template <class E, std::size_t N>
enumeration(id, E, const std::string_view (&)[N], E, E, E) -> enumeration<E, N>;

// ---- Quantity characteristics ----

// The operator units defaults and bounds are written in.
enum class unit : std::uint8_t {
  metres,
  feet,
  yards,
  knots,
  metres_per_second,
  degrees,        // through csl_angle.from_degree_convert (-180 .. 180)
  float_degrees,  // through csl_angle.from_float_degrees_convert
  rpm,
  decibels
};

// "m", "ft", "yd", "kn", "m/s", "deg", "deg", "rpm", "dB".
std::string_view symbol_of(unit u);

// An amount in an operator unit, one type per quantity family so that a bound in
// knots cannot be given to a length.
struct length_amount {
  float value;
  unit in;
};
struct speed_amount {
  float value;
  unit in;
};
struct angle_amount {
  float value;
  unit in;
};
struct rate_amount {
  float value;
  unit in;
};
struct level_amount {
  float value;
  unit in;
};

constexpr length_amount metres(float v) {
  return {v, unit::metres};
}
constexpr length_amount feet(float v) {
  return {v, unit::feet};
}
constexpr length_amount yards(float v) {
  return {v, unit::yards};
}
constexpr speed_amount knots(float v) {
  return {v, unit::knots};
}
constexpr speed_amount metres_per_second(float v) {
  return {v, unit::metres_per_second};
}
constexpr angle_amount degrees(float v) {
  return {v, unit::degrees};
}
constexpr angle_amount float_degrees(float v) {
  return {v, unit::float_degrees};
}
constexpr rate_amount rpm(float v) {
  return {v, unit::rpm};
}
constexpr level_amount decibels(float v) {
  return {v, unit::decibels};
}

// The unit image of a quantity characteristic.
enum class image : std::uint8_t {
  feet,             // csl_image_utilities.image_in_feet_of
  yards,            // csl_image_utilities.image_in_yards_of
  knots,            // csl_image_utilities.image_in_knots_of
  feet_per_second,  // csl_image_utilities.image_in_feet_per_second_of
  degrees_360,      // csl_image_utilities.image_in_degrees_360_of
  degrees_180,      // csl_image_utilities.image_in_degrees_180_of
  rpm,              // csl_image_utilities.image_in_rpm_of
  db                // csl_image_utilities.db_image_of
};

// "csl_image_utilities.image_in_feet_of", ...
std::string_view image_name_of(image i);
// The unit the image shows: "ft", "yd", "kn", "ft/s", "deg", "deg", "rpm", "dB".
std::string_view symbol_of(image i);

// The amounts, in the unit an image shows, that read back as values of a quantity
// type: the operator range of the image, within the type's own.
struct amount_range {
  float first;
  float last;
};

// Per quantity type: the amount it is made from, its usual image, its text, its
// stored number and back, and its conversion from operator units. Reading an
// amount shown by image i back, read_range(i) says which amounts are values and
// read(i, amount) converts one as a default or bound in that unit is converted.
template <class T>
struct quantity_type;

template <>
struct quantity_type<csl_length::distance> {
  using amount = length_amount;
  static constexpr std::optional<image> usual_image = image::feet;
  static constexpr bool shows_with(image i) { return i == image::feet || i == image::yards; }
  static std::string_view name() { return "csl_length.distance (metres)"; }
  static std::optional<double> first() { return 0.0; }
  static std::optional<double> last() { return csl_length::distance_last; }
  static double stored(csl_length::distance v) { return v.metres(); }
  static csl_length::distance from_stored(double v) {
    return csl_length::distance(static_cast<float>(v));
  }
  static csl_length::distance make(length_amount a);
  static amount_range read_range(image i);
  static csl_length::distance read(image i, float amount);
};

template <>
struct quantity_type<csl_length::position_vector> {
  using amount = length_amount;
  static constexpr std::optional<image> usual_image = image::feet;
  static constexpr bool shows_with(image i) { return i == image::feet; }
  static std::string_view name() { return "csl_length.position_vector (metres)"; }
  static std::optional<double> first() { return std::nullopt; }
  static std::optional<double> last() { return std::nullopt; }
  static double stored(csl_length::position_vector v) { return v.metres(); }
  static csl_length::position_vector from_stored(double v) {
    return csl_length::position_vector(static_cast<float>(v));
  }
  static csl_length::position_vector make(length_amount a);
  static amount_range read_range(image i);
  static csl_length::position_vector read(image i, float amount);
};

template <>
struct quantity_type<csl_velocity::speed> {
  using amount = speed_amount;
  static constexpr std::optional<image> usual_image = image::knots;
  static constexpr bool shows_with(image i) {
    return i == image::knots || i == image::feet_per_second;
  }
  static std::string_view name() { return "csl_velocity.speed (metres per second)"; }
  static std::optional<double> first() { return std::nullopt; }
  static std::optional<double> last() { return std::nullopt; }
  static double stored(csl_velocity::speed v) { return v.value(); }
  static csl_velocity::speed from_stored(double v) {
    return csl_velocity::speed(static_cast<float>(v));
  }
  static csl_velocity::speed make(speed_amount a);
  static amount_range read_range(image i);
  static csl_velocity::speed read(image i, float amount);
};

template <>
struct quantity_type<csl_angle::angle> {
  using amount = angle_amount;
  // The group says which range of degrees an angle is shown in.
  static constexpr std::optional<image> usual_image = std::nullopt;
  static constexpr bool shows_with(image i) {
    return i == image::degrees_360 || i == image::degrees_180;
  }
  static std::string_view name() { return "csl_angle.angle (radians)"; }
  static std::optional<double> first() { return -csl_angle::pi; }
  static std::optional<double> last() { return csl_angle::pi; }
  static double stored(csl_angle::angle v) { return v.radians(); }
  static csl_angle::angle from_stored(double v) { return csl_angle::angle(static_cast<float>(v)); }
  static csl_angle::angle make(angle_amount a);
  static amount_range read_range(image i);
  static csl_angle::angle read(image i, float amount);
};

template <>
struct quantity_type<csl_angle_rate::rate> {
  using amount = rate_amount;
  static constexpr std::optional<image> usual_image = image::rpm;
  static constexpr bool shows_with(image i) { return i == image::rpm; }
  static std::string_view name() { return "csl_angle_rate.rate (degrees per second)"; }
  static std::optional<double> first() { return csl_angle_rate::rate::first; }
  static std::optional<double> last() { return csl_angle_rate::rate::last; }
  static double stored(csl_angle_rate::rate v) { return v.value(); }
  static csl_angle_rate::rate from_stored(double v) {
    return csl_angle_rate::rate(static_cast<float>(v));
  }
  static csl_angle_rate::rate make(rate_amount a);
  static amount_range read_range(image i);
  static csl_angle_rate::rate read(image i, float amount);
};

template <>
struct quantity_type<csl_levels::db> {
  using amount = level_amount;
  static constexpr std::optional<image> usual_image = image::db;
  static constexpr bool shows_with(image i) { return i == image::db; }
  static std::string_view name() { return "csl_levels.db (counts of 1/64 dB)"; }
  static std::optional<double> first() { return csl_levels::db::first_count; }
  static std::optional<double> last() { return csl_levels::db::last_count; }
  static double stored(csl_levels::db v) { return v.count(); }
  static csl_levels::db from_stored(double v) {
    return csl_levels::db::from_count(csl_system_numbers::round_to_integer(v));
  }
  static csl_levels::db make(level_amount a);
  static amount_range read_range(image i);
  static csl_levels::db read(image i, float amount);
};

// The unit image of the value.
std::string image_with(image i, csl_length::distance v);
std::string image_with(image i, csl_length::position_vector v);
std::string image_with(image i, csl_velocity::speed v);
std::string image_with(image i, csl_angle::angle v);
std::string image_with(image i, csl_angle_rate::rate v);
std::string image_with(image i, csl_levels::db v);

enum class item : std::uint8_t { default_, min, max };

template <class T>
class quantity_values;

// Where a quantity's default or bound comes from: an amount in operator units, or
// an item of another characteristic of the same type (or an earlier-computed item
// of the same one), copied at start-up.
template <class T>
struct source {
  constexpr source(typename quantity_type<T>::amount a)  // NOLINT(google-explicit-constructor)
      : literal{a.value, a.in} {}
  constexpr source(const quantity_values<T>* of, item which) : copy_of(of), copied(which) {}

  struct literal_amount {
    float value = 0.0F;
    unit in = unit::metres;
  };
  literal_amount literal;
  const quantity_values<T>* copy_of = nullptr;
  item copied = item::default_;
};

// The stored default and bounds of a quantity characteristic with their texts in
// operator units. Starting checks where they come from; they are converted the
// first time one is read, in the order min, max, default (so that a default may
// copy its own minimum), and kept: a data call reads none of them, and converting
// several hundred at start-up would cost every process that starts the library.
template <class T>
class quantity_values : public descriptor {
 public:
  using type = T;

  constexpr quantity_values(id who, source<T> min, source<T> max, source<T> default_value)
      : descriptor(who), sources_{default_value, min, max} {}  // indexed by item

  T default_() const { return value(item::default_); }
  T min() const { return value(item::min); }
  T max() const { return value(item::max); }
  // The item as written in operator units ("50 yd").
  std::string text_of(item which) const {
    require_computed();
    const source<T>& s = sources_[index(which)];
    if (s.copy_of != nullptr) return s.copy_of->text_of(s.copied);
    return real_text(s.literal.value) + " " + std::string(symbol_of(s.literal.in));
  }

 protected:
  // A copy names a characteristic started before this one, or an item of this one
  // that comes earlier in the order of conversion.
  void check_sources() const {
    for (const item which : order) {
      const source<T>& s = sources_[index(which)];
      if (s.copy_of == nullptr) continue;
      const bool ready = s.copy_of == this ? rank(s.copied) < rank(which) : s.copy_of->started();
      if (!ready) s.copy_of->raise_not_computed();
    }
  }

  catalogue::value stored_value(item which) const {
    return {quantity_type<T>::stored(value(which)), text_of(which)};
  }
  T value_of_computed(item which) const {
    require_computed();
    return values()[index(which)];
  }

 private:
  static constexpr std::array<item, 3> order{item::min, item::max, item::default_};
  static constexpr std::size_t index(item which) { return static_cast<std::size_t>(which); }
  static constexpr int rank(item which) {
    return which == item::min ? 0 : which == item::max ? 1 : 2;
  }

  const std::array<T, 3>& values() const {
    std::call_once(converted_, [this] { convert(); });
    return values_;
  }
  void convert() const {
    for (const item which : order) {
      const source<T>& s = sources_[index(which)];
      T& v = values_[index(which)];
      if (s.copy_of == this) {
        v = values_[index(s.copied)];
      } else if (s.copy_of != nullptr) {
        v = s.copy_of->value_of_computed(s.copied);
      } else {
        v = quantity_type<T>::make({s.literal.value, s.literal.in});
      }
    }
  }

  [[noreturn]] void raise_not_computed() const {
    throw not_started("sm_model_vehicle_characteristics (" + name() + " not yet computed)");
  }
  void require_computed() const {
    if (!started()) raise_not_computed();
  }
  T value(item which) const {
    require_started(which == item::min ? "min" : which == item::max ? "max" : "default_");
    return values()[index(which)];
  }

  std::array<source<T>, 3> sources_;
  mutable std::once_flag converted_;
  mutable std::array<T, 3> values_{};
};

template <class T>
constexpr source<T> min_of(const quantity_values<T>& of) {
  return {&of, item::min};
}
template <class T>
constexpr source<T> max_of(const quantity_values<T>& of) {
  return {&of, item::max};
}
template <class T>
constexpr source<T> default_of(const quantity_values<T>& of) {
  return {&of, item::default_};
}

template <class T>
constexpr image usual_image_of() {
  static_assert(quantity_type<T>::usual_image.has_value(),
                "an angle characteristic names its image: degrees_360 or degrees_180");
  return *quantity_type<T>::usual_image;
}

// A quantity characteristic shown with the unit image I. It has bound images but
// no image operation of its own.
template <class T, image I = usual_image_of<T>()>
class quantity : public quantity_values<T> {
  static_assert(quantity_type<T>::shows_with(I), "the image does not show this quantity");

 public:
  constexpr quantity(id who, source<T> min, source<T> max, source<T> default_value)
      : quantity_values<T>(who, min, max, default_value) {}

  const std::string& min_image() const {
    this->require_started("min_image");
    finish();
    return *min_image_;
  }
  const std::string& max_image() const {
    this->require_started("max_image");
    finish();
    return *max_image_;
  }

  void start(const module& m) {
    this->check_sources();
    this->mark_started(m, this,
                       [](const void* self) { return static_cast<const quantity*>(self)->row(); });
  }

 private:
  // The bound images.
  void finish() const {
    this->finish_once([this] {
      min_image_.keep(image_with(I, this->value_of_computed(item::min)));
      max_image_.keep(image_with(I, this->value_of_computed(item::max)));
    });
  }

  catalogue::row row() const {
    finish();
    catalogue::row r = this->row_of(catalogue::kind::quantity);
    r.value_type = std::string(quantity_type<T>::name());
    r.type_first = quantity_type<T>::first();
    r.type_last = quantity_type<T>::last();
    r.default_ = this->stored_value(item::default_);
    r.min = this->stored_value(item::min);
    r.max = this->stored_value(item::max);
    r.min_image = *min_image_;
    r.max_image = *max_image_;
    r.image_name = std::string(image_name_of(I));
    r.image_of = [](double stored) { return image_with(I, quantity_type<T>::from_stored(stored)); };
    r.unit = std::string(symbol_of(I));
    r.stored_of = [who = this->name()](std::string_view text) {
      const amount_range range = quantity_type<T>::read_range(I);
      const float amount =
          catalogue::real_number_of(who, text, symbol_of(I), range.first, range.last);
      return quantity_type<T>::stored(quantity_type<T>::read(I, amount));
    };
    return r;
  }

  mutable kept<std::string> min_image_;
  mutable kept<std::string> max_image_;
};

// ---- Text and identity characteristics ----

// N characters, blank-padded: a default and nothing else.
template <std::size_t N>
class text : public descriptor {
 public:
  using type = csl::fixed_text<N>;

  constexpr text(id who, std::string_view default_value)
      : descriptor(who), default_value_(default_value) {}

  type default_() const { return type::from(default_value_); }

  void start(const module& m) {
    mark_started(m, this, [](const void* self) { return static_cast<const text*>(self)->row(); });
  }

 private:
  catalogue::row row() const {
    catalogue::row r = row_of(catalogue::kind::text);
    r.value_type = "text of " + std::to_string(N) + " characters";
    r.default_ = {std::nullopt, default_().str()};
    return r;
  }

  std::string_view default_value_;
};

// A model kind record (vehicle, sonar or radar): a default, taken from the kind's
// module when asked for, and nothing else.
template <class K>
class identity : public descriptor {
 public:
  using type = K;

  constexpr identity(id who, std::string_view type_name, const K& (*default_of)(),
                     std::string_view default_name)
      : descriptor(who),
        type_name_(type_name),
        default_of_(default_of),
        default_name_(default_name) {}

  K default_() const { return default_of_(); }

  void start(const module& m) {
    mark_started(m, this,
                 [](const void* self) { return static_cast<const identity*>(self)->row(); });
  }

 private:
  catalogue::row row() const {
    catalogue::row r = row_of(catalogue::kind::identity);
    r.value_type = std::string(type_name_) + " (" + std::to_string(sizeof(K)) + " bytes)";
    r.default_ = {std::nullopt, std::string(default_name_)};
    return r;
  }

  std::string_view type_name_;
  const K& (*default_of_)();
  std::string_view default_name_;
};

// Starts a types module's characteristics in the order given, then hands the
// catalogue their rows in that order. Inlined into the module's start_up, so that
// it lies with the rest of the start-up code.
template <class... Descriptors>
[[gnu::always_inline]] inline void start(const module& m, Descriptors&... descriptors) {
  static_assert((std::is_trivially_destructible_v<Descriptors> && ...),
                "a descriptor keeps what it builds in kept<>, so that it needs no destructor");
  (descriptors.start(m), ...);
  catalogue::later* const nodes[] = {&descriptors.row_node()...};
  catalogue::add_later(nodes);
}

}  // namespace sm_model_vehicle_characteristics
