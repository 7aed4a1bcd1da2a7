// Propagation paths: one path of sound from a source to a receiver, with its
// length, angle of arrival, propagation loss and class.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

#include "csl_angle.hpp"
#include "csl_decibel.hpp"
#include "csl_length.hpp"

namespace csl_paths {

enum class path_class : std::uint8_t { primary, secondary, tertiary };

static_assert(sizeof(path_class) == 1);

// "PRIMARY", "SECONDARY", "TERTIARY".
std::string image_of(path_class c);

// 12 bytes; the last byte only pads the record to a whole word.
struct path {
  csl_length::distance the_path_length;
  csl_angle::angle the_angle_of_arrival;
  csl_decibel::db the_prop_loss;
  path_class the_class;
  std::uint8_t gap[1]{};

  // The padding takes no part.
  friend bool operator==(const path& left, const path& right) {
    return left.the_path_length == right.the_path_length &&
           left.the_angle_of_arrival == right.the_angle_of_arrival &&
           left.the_prop_loss == right.the_prop_loss && left.the_class == right.the_class;
  }
};

// Stored records are their memory image, and files are little-endian.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(path) == 12);
static_assert(offsetof(path, the_path_length) == 0 && offsetof(path, the_angle_of_arrival) == 4);
static_assert(offsetof(path, the_prop_loss) == 8 && offsetof(path, the_class) == 10);

// Fills all four fields; a class outside the enumeration is the range error and
// leaves the path unchanged.
void set_up(path& for_path, path_class using_class, csl_length::distance of_length,
            csl_angle::angle of_arrival_angle, csl_decibel::db with_prop_loss);
csl_length::distance length_of(const path& p);
csl_angle::angle angle_of_arrival(const path& p);
path_class class_(const path& p);
csl_decibel::db propagation_loss(const path& p);

}  // namespace csl_paths
