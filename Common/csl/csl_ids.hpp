// Software identities: 32 bits packing a piece of software's place in the design
// (CSCI, TLCSC, two lower component levels, unit and routine). They switch
// diagnostics on per CSCI and per TLCSC.
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace csl_ids {

// An identity; an offset is one field at its place, the others zero, and offsets
// add up to an identity.
class id {
 public:
  constexpr id() = default;
  constexpr explicit id(std::uint32_t value) : value_(value) {}

  constexpr std::uint32_t value() const { return value_; }
  friend constexpr auto operator<=>(id, id) = default;

 private:
  std::uint32_t value_ = 0;
};

using offset = id;

// The unsigned sum; beyond 4294967295 it is the range error.
id operator+(id left, id right);

// Field ranges: csci and tlcsc 0 .. 15, llcsc1 and llcsc2 0 .. 31, unit and
// routine 0 .. 127; a value outside is the range error.
offset csci(unsigned n);
offset tlcsc(unsigned n);
offset llcsc1(unsigned n);
offset llcsc2(unsigned n);
offset unit(unsigned n);
id routine(unsigned n);

unsigned csci_of(id the_id);
unsigned tlcsc_of(id the_id);
unsigned llcsc1_of(id the_id);
unsigned llcsc2_of(id the_id);
unsigned unit_of(id the_id);
unsigned routine_of(id the_id);

inline constexpr id unknown{};
inline constexpr offset sc_csci{1U << 28};
inline constexpr offset sm_csci{2U << 28};
inline constexpr offset sonar_csci{3U << 28};
inline constexpr offset tdhs_csci{4U << 28};
inline constexpr offset cgi_csci{5U << 28};
inline constexpr offset dc_csci{6U << 28};
inline constexpr offset tc_csci{7U << 28};
inline constexpr offset csl_csci{8U << 28};
inline constexpr offset tdhs_vsel_csci{9U << 28};
inline constexpr offset weapons_csci{10U << 28};
inline constexpr offset tlcsc_id_unit{};  // unit 0: a TLCSC as a whole
inline constexpr offset null_llcsc{};
inline constexpr id start_up_routine{};  // routine 0: a module's start-up code

// The six fields in decimal joined by ".", CSCI first: "2.3.0.0.0.0".
std::string image_of(id the_id);

// The identity written "N.N" (CSCI.TLCSC); anything else gives 0, with a line
// saying why where the text was not understood.
id id_of(std::string_view text);

}  // namespace csl_ids
