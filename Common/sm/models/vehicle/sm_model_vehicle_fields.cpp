#include "sm_model_vehicle_fields.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "sm_model_vehicle.hpp"

namespace sm_model_vehicle_fields {

field_error::field_error(std::string place)
    : csl::named_error("SM_MODEL_VEHICLE_FIELDS.FIELD_ERROR", std::move(place)) {}

namespace {

using sm_model_vehicle::data;

template <class G>
group_fields group_of(std::string_view name, std::size_t offset, std::span<const field> fields) {
  return {name, static_cast<std::uint16_t>(offset), static_cast<std::uint16_t>(sizeof(G)), fields};
}

std::array<group_fields, 11> make_groups() {
  return {
      group_of<sm_model_vehicle_general::group>("general", offsetof(data, general),
                                                sm_model_vehicle_general::fields()),
      group_of<sm_model_vehicle_physical::group>("physical", offsetof(data, physical),
                                                 sm_model_vehicle_physical::fields()),
      group_of<sm_model_vehicle_propulsion_mode::group>("propulsion_mode",
                                                        offsetof(data, propulsion),
                                                        sm_model_vehicle_propulsion_mode::fields()),
      group_of<sm_model_vehicle_speed::group>("speed", offsetof(data, speed),
                                              sm_model_vehicle_speed::fields()),
      group_of<sm_model_vehicle_turning_diving::group>("turning_diving", offsetof(data, turn_dive),
                                                       sm_model_vehicle_turning_diving::fields()),
      group_of<sm_model_vehicle_bb::group>("bb", offsetof(data, bb), sm_model_vehicle_bb::fields()),
      group_of<sm_model_vehicle_associated_fit::group>("associated_fit", offsetof(data, fit),
                                                       sm_model_vehicle_associated_fit::fields()),
      group_of<sm_model_vehicle_nb::group>("nb", offsetof(data, nb), sm_model_vehicle_nb::fields()),
      group_of<sm_model_vehicle_wb::group>("wb", offsetof(data, wb), sm_model_vehicle_wb::fields()),
      group_of<sm_model_vehicle_project_specific::group>(
          "project_specific", offsetof(data, project), sm_model_vehicle_project_specific::fields()),
      group_of<sm_model_vehicle_enhanced_aural::group>("enhanced_aural", offsetof(data, eaural),
                                                       sm_model_vehicle_enhanced_aural::fields()),
  };
}

// "200" and "c200" name the same characteristic.
std::string canonical(std::string_view name) {
  if (!name.empty() && name.front() >= '0' && name.front() <= '9') {
    std::string digits(name);
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    return "c" + digits;
  }
  return std::string(name);
}

std::uint64_t load(std::span<const std::uint8_t> bytes) {
  std::uint64_t v = 0;
  for (std::size_t i = bytes.size(); i-- > 0;) v = (v << 8) | bytes[i];
  return v;
}

void store(std::uint64_t v, std::span<std::uint8_t> bytes) {
  for (std::uint8_t& b : bytes) {
    b = static_cast<std::uint8_t>(v & 0xFF);
    v >>= 8;
  }
}

std::int64_t sign_extended(std::uint64_t v, unsigned bits) {
  if (bits >= 64) return static_cast<std::int64_t>(v);
  const std::uint64_t sign = std::uint64_t{1} << (bits - 1);
  return static_cast<std::int64_t>((v ^ sign) - sign);
}

std::span<const std::uint8_t> bytes_at(const located& f, instance at,
                                       std::span<const std::uint8_t> record) {
  const std::size_t offset = offset_of(f, at);
  if (offset + f.what->size > record.size()) throw field_error(instance_name(f, at));
  return record.subspan(offset, f.what->size);
}

// The whole number to be stored, or field_error when v is not one.
std::optional<std::int64_t> whole_of(const value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return *i;
  if (const auto* u = std::get_if<std::uint64_t>(&v)) {
    if (*u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
      return std::nullopt;
    }
    return static_cast<std::int64_t>(*u);
  }
  if (const auto* d = std::get_if<double>(&v)) {
    if (!std::isfinite(*d) || std::trunc(*d) != *d || std::fabs(*d) >= 9.2e18) return std::nullopt;
    return static_cast<std::int64_t>(*d);
  }
  return std::nullopt;
}

bool fits_unsigned(std::int64_t v, unsigned bits) {
  return v >= 0 && (bits >= 63 || static_cast<std::uint64_t>(v) < (std::uint64_t{1} << bits));
}

bool fits_signed(std::int64_t v, unsigned bits) {
  if (bits >= 64) return true;
  const std::int64_t limit = std::int64_t{1} << (bits - 1);
  return v >= -limit && v < limit;
}

}  // namespace

std::span<const group_fields> groups() {
  static const std::array<group_fields, 11> all = make_groups();
  return all;
}

std::optional<located> find(std::string_view name) {
  const std::string wanted = canonical(name);
  for (const group_fields& g : groups()) {
    for (const field& f : g.fields) {
      if (f.name == wanted) return located{&g, &f};
    }
  }
  return std::nullopt;
}

std::size_t offset_of(const located& f, instance at) {
  const field& w = *f.what;
  if (!w.outer.holds(at.outer) || !w.inner.holds(at.inner)) {
    throw field_error(instance_name(f, at));
  }
  return std::size_t{f.group->offset} + w.offset +
         static_cast<std::size_t>(at.outer - w.outer.first) * w.outer.stride +
         static_cast<std::size_t>(at.inner - w.inner.first) * w.inner.stride;
}

bool holds(const located& f, instance at, std::span<const std::uint8_t> record) {
  const field& w = *f.what;
  if (w.only_when.offset < 0) return true;
  if (!w.outer.holds(at.outer)) throw field_error(instance_name(f, at));
  const std::size_t at_outer = std::size_t{f.group->offset} +
                               static_cast<std::size_t>(at.outer - w.outer.first) * w.outer.stride +
                               static_cast<std::size_t>(w.only_when.offset);
  if (at_outer >= record.size()) throw field_error(instance_name(f, at));
  const unsigned kind = record[at_outer];
  return kind < 16 && ((w.only_when.mask >> kind) & 1U) != 0;
}

value read(const located& f, instance at, std::span<const std::uint8_t> record) {
  const field& w = *f.what;
  const std::span<const std::uint8_t> bytes = bytes_at(f, at, record);
  switch (w.how) {
    case encoding::text:
      return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    case encoding::real:
      if (w.size == 4)
        return static_cast<double>(std::bit_cast<float>(static_cast<std::uint32_t>(load(bytes))));
      return std::bit_cast<double>(load(bytes));
    case encoding::signed_integer:
      return sign_extended(load(bytes), w.size * 8U);
    case encoding::unsigned_integer:
      return load(bytes);
    case encoding::bits:
      return (load(bytes) >> w.first_bit) & ((std::uint64_t{1} << w.bit_count) - 1);
  }
  throw field_error(instance_name(f, at));
}

void write(const located& f, instance at, const value& v, std::span<std::uint8_t> record) {
  const field& w = *f.what;
  const std::size_t offset = offset_of(f, at);
  if (offset + w.size > record.size()) throw field_error(instance_name(f, at));
  const std::span<std::uint8_t> bytes = record.subspan(offset, w.size);
  const std::string place = instance_name(f, at);
  if (w.how == encoding::text) {
    const auto* text = std::get_if<std::string>(&v);
    if (text == nullptr || text->size() > w.size) throw field_error(place);
    std::memset(bytes.data(), ' ', bytes.size());
    std::memcpy(bytes.data(), text->data(), text->size());
    return;
  }
  if (w.how == encoding::real) {
    const std::optional<double> d = number_of(v);
    if (!d) throw field_error(place);
    if (w.size == 4) {
      store(std::bit_cast<std::uint32_t>(static_cast<float>(*d)), bytes);
    } else {
      store(std::bit_cast<std::uint64_t>(*d), bytes);
    }
    return;
  }
  // A whole number: an unsigned 64-bit one is taken as it stands.
  if (const auto* u = std::get_if<std::uint64_t>(&v);
      u != nullptr && w.how == encoding::unsigned_integer && w.size == 8) {
    store(*u, bytes);
    return;
  }
  const std::optional<std::int64_t> n = whole_of(v);
  if (!n) throw field_error(place);
  if (w.how == encoding::signed_integer) {
    if (!fits_signed(*n, w.size * 8U)) throw field_error(place);
    store(static_cast<std::uint64_t>(*n), bytes);
  } else if (w.how == encoding::unsigned_integer) {
    if (!fits_unsigned(*n, w.size * 8U)) throw field_error(place);
    store(static_cast<std::uint64_t>(*n), bytes);
  } else {
    if (!fits_unsigned(*n, w.bit_count)) throw field_error(place);
    const std::uint64_t mask = ((std::uint64_t{1} << w.bit_count) - 1) << w.first_bit;
    const std::uint64_t word =
        (load(bytes) & ~mask) | (static_cast<std::uint64_t>(*n) << w.first_bit);
    store(word, bytes);
  }
}

std::string instance_name(const located& f, instance at) {
  std::string name(f.what->name);
  if (!f.what->outer.per.empty()) name.append(1, '.').append(std::to_string(at.outer));
  if (!f.what->inner.per.empty()) name.append(1, '.').append(std::to_string(at.inner));
  return name;
}

std::optional<double> number_of(const value& v) {
  if (const auto* i = std::get_if<std::int64_t>(&v)) return static_cast<double>(*i);
  if (const auto* u = std::get_if<std::uint64_t>(&v)) return static_cast<double>(*u);
  if (const auto* d = std::get_if<double>(&v)) return *d;
  return std::nullopt;
}

}  // namespace sm_model_vehicle_fields
