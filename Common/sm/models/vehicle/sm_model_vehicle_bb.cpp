#include "sm_model_vehicle_bb.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sm_model_vehicle_group_defaults.hpp"

namespace sm_model_vehicle_bb {
namespace {

namespace aural = sm_model_vehicle_bb_aural;
namespace flow = sm_model_vehicle_bb_flow;
namespace machinery = sm_model_vehicle_bb_machinery;
namespace propeller = sm_model_vehicle_bb_propeller;
namespace modulation = sm_model_vehicle_bb_propeller_modulation;

struct defaults {
  group whole{};
};

defaults& the_defaults() {
  static defaults value;
  return value;
}

// ---- Where each characteristic lies ----

namespace fl = sm_model_vehicle_fields;
using fl::encoding;

// Levels are signed counts of 1/64 dB; reals (quantities too) are IEEE single.
constexpr encoding real = encoding::real;
constexpr encoding signed_ = encoding::signed_integer;
constexpr encoding unsigned_ = encoding::unsigned_integer;
constexpr encoding text = encoding::text;

constexpr fl::field field_at(std::string_view name, std::size_t offset, std::size_t size,
                             encoding how, fl::repeat outer = {}, fl::repeat inner = {}) {
  fl::field f{name, static_cast<std::uint16_t>(offset), static_cast<std::uint8_t>(size), how};
  f.outer = outer;
  f.inner = inner;
  return f;
}

constexpr fl::repeat modes_of(std::size_t stride) {
  return {"mode", 3, static_cast<std::uint16_t>(stride)};
}

// Aural: per aural effect, then per propulsion mode within the effect.
using aural_mode = aural::prop_mode_dependent;
static_assert(sizeof(aural::effect_modes) == 3 * sizeof(aural_mode));
static_assert(sizeof(aural::effects) == 3 * sizeof(aural::effect));
constexpr std::size_t aural_at =
    offsetof(group, aural) + offsetof(aural::group, effect) + offsetof(aural::effect, pmode);
constexpr fl::repeat per_effect{"effect", 3, sizeof(aural::effect)};

constexpr fl::field aural_field(std::string_view name, std::size_t offset, std::size_t size,
                                encoding how) {
  return field_at(name, aural_at + offset, size, how, per_effect, modes_of(sizeof(aural_mode)));
}

// Flow and machinery noise: per propulsion mode, then the vehicle's values.
using flow_mode = flow::prop_mode_dependent;
using flow_group = flow::group;
static_assert(sizeof(flow::prop_modes) == 3 * sizeof(flow_mode));
constexpr std::size_t flow_at = offsetof(group, flow);

constexpr fl::field flow_field(std::string_view name, std::size_t offset, std::size_t size,
                               encoding how) {
  return field_at(name, flow_at + offsetof(flow_group, pmode) + offset, size, how,
                  modes_of(sizeof(flow_mode)));
}

using machinery_mode = machinery::prop_mode_dependent;
using machinery_group = machinery::group;
static_assert(sizeof(machinery::prop_modes) == 3 * sizeof(machinery_mode));
constexpr std::size_t machinery_at = offsetof(group, mach);

constexpr fl::field machinery_field(std::string_view name, std::size_t offset, std::size_t size,
                                    encoding how) {
  return field_at(name, machinery_at + offsetof(machinery_group, pmode) + offset, size, how,
                  modes_of(sizeof(machinery_mode)));
}

// Propeller noise: per propulsion mode, then the vehicle's values.
using propeller_mode = propeller::prop_mode_dependent;
using propeller_group = propeller::group;
static_assert(sizeof(propeller::prop_modes) == 3 * sizeof(propeller_mode));
constexpr std::size_t propeller_at = offsetof(group, prop);

constexpr fl::field propeller_field(std::string_view name, std::size_t offset, std::size_t size,
                                    encoding how) {
  return field_at(name, propeller_at + offsetof(propeller_group, pmode) + offset, size, how,
                  modes_of(sizeof(propeller_mode)));
}

// Propeller modulation: the vehicle's value, then per propulsion mode.
using modulation_mode = modulation::prop_mode_dependent;
using modulation_group = modulation::group;
static_assert(sizeof(modulation::prop_modes) == 3 * sizeof(modulation_mode));
constexpr std::size_t modulation_at = offsetof(group, prop_modu);

constexpr fl::field modulation_field(std::string_view name, std::size_t offset, std::size_t size,
                                     encoding how) {
  return field_at(name, modulation_at + offsetof(modulation_group, pmode) + offset, size, how,
                  modes_of(sizeof(modulation_mode)));
}

// In offset order; the gaps inside the per-mode records and between the vehicle's
// values hold nothing and have no field.
constexpr std::array table{
    aural_field("c563", offsetof(aural_mode, c563), sizeof(aural_mode::c563), real),
    aural_field("c560", offsetof(aural_mode, c560), sizeof(aural_mode::c560), unsigned_),
    aural_field("c561", offsetof(aural_mode, c561), sizeof(aural_mode::c561), unsigned_),
    aural_field("c562", offsetof(aural_mode, c562), sizeof(aural_mode::c562), unsigned_),
    aural_field("c565", offsetof(aural_mode, c565), sizeof(aural_mode::c565), signed_),
    aural_field("c564", offsetof(aural_mode, c564), sizeof(aural_mode::c564), signed_),
    aural_field("c566", offsetof(aural_mode, c566), sizeof(aural_mode::c566), unsigned_),
    aural_field("c567", offsetof(aural_mode, c567), sizeof(aural_mode::c567), unsigned_),
    aural_field("c568", offsetof(aural_mode, c568), sizeof(aural_mode::c568), text),
    aural_field("c570", offsetof(aural_mode, c570), sizeof(aural_mode::c570), unsigned_),
    aural_field("c572", offsetof(aural_mode, c572), sizeof(aural_mode::c572), unsigned_),
    aural_field("c574", offsetof(aural_mode, c574), sizeof(aural_mode::c574), signed_),
    aural_field("c573", offsetof(aural_mode, c573), sizeof(aural_mode::c573), unsigned_),

    flow_field("c510", offsetof(flow_mode, c510), sizeof(flow_mode::c510), signed_),
    flow_field("c511", offsetof(flow_mode, c511), sizeof(flow_mode::c511), unsigned_),
    flow_field("c512", offsetof(flow_mode, c512), sizeof(flow_mode::c512), signed_),
    flow_field("c513", offsetof(flow_mode, c513), sizeof(flow_mode::c513), real),
    flow_field("c515", offsetof(flow_mode, c515), sizeof(flow_mode::c515), real),
    flow_field("c514", offsetof(flow_mode, c514), sizeof(flow_mode::c514), unsigned_),
    flow_field("c516", offsetof(flow_mode, c516), sizeof(flow_mode::c516), signed_),
    field_at("c517", flow_at + offsetof(flow_group, c517), sizeof(flow_group::c517), real),
    field_at("c583", flow_at + offsetof(flow_group, c583), sizeof(flow_group::c583), signed_),
    field_at("c585", flow_at + offsetof(flow_group, c585), sizeof(flow_group::c585), real),

    machinery_field("c500", offsetof(machinery_mode, c500), sizeof(machinery_mode::c500), signed_),
    machinery_field("c501", offsetof(machinery_mode, c501), sizeof(machinery_mode::c501),
                    unsigned_),
    machinery_field("c502", offsetof(machinery_mode, c502), sizeof(machinery_mode::c502), signed_),
    machinery_field("c503", offsetof(machinery_mode, c503), sizeof(machinery_mode::c503), real),
    machinery_field("c505", offsetof(machinery_mode, c505), sizeof(machinery_mode::c505), real),
    machinery_field("c504", offsetof(machinery_mode, c504), sizeof(machinery_mode::c504),
                    unsigned_),
    machinery_field("c506", offsetof(machinery_mode, c506), sizeof(machinery_mode::c506), signed_),
    field_at("c580", machinery_at + offsetof(machinery_group, c580), sizeof(machinery_group::c580),
             signed_),
    field_at("c582", machinery_at + offsetof(machinery_group, c582), sizeof(machinery_group::c582),
             real),

    propeller_field("c534", offsetof(propeller_mode, c534), sizeof(propeller_mode::c534),
                    unsigned_),
    propeller_field("c536", offsetof(propeller_mode, c536), sizeof(propeller_mode::c536), signed_),
    propeller_field("c522", offsetof(propeller_mode, c522), sizeof(propeller_mode::c522), signed_),
    propeller_field("c520", offsetof(propeller_mode, c520), sizeof(propeller_mode::c520), signed_),
    propeller_field("c521", offsetof(propeller_mode, c521), sizeof(propeller_mode::c521),
                    unsigned_),
    propeller_field("c525", offsetof(propeller_mode, c525), sizeof(propeller_mode::c525), real),
    propeller_field("c528", offsetof(propeller_mode, c528), sizeof(propeller_mode::c528), real),
    propeller_field("c533", offsetof(propeller_mode, c533), sizeof(propeller_mode::c533), real),
    propeller_field("c535", offsetof(propeller_mode, c535), sizeof(propeller_mode::c535), real),
    field_at("c526", propeller_at + offsetof(propeller_group, c526), sizeof(propeller_group::c526),
             real),
    field_at("c537", propeller_at + offsetof(propeller_group, c537), sizeof(propeller_group::c537),
             real),
    field_at("c538", propeller_at + offsetof(propeller_group, c538), sizeof(propeller_group::c538),
             real),
    field_at("c589", propeller_at + offsetof(propeller_group, c589), sizeof(propeller_group::c589),
             real),
    field_at("c587", propeller_at + offsetof(propeller_group, c587), sizeof(propeller_group::c587),
             signed_),
    field_at("c588", propeller_at + offsetof(propeller_group, c588), sizeof(propeller_group::c588),
             signed_),

    field_at("c546", modulation_at + offsetof(modulation_group, c546),
             sizeof(modulation_group::c546), real),
    modulation_field("c523", offsetof(modulation_mode, c523), sizeof(modulation_mode::c523), real),
    modulation_field("c524", offsetof(modulation_mode, c524), sizeof(modulation_mode::c524), real),
    modulation_field("c540", offsetof(modulation_mode, c540), sizeof(modulation_mode::c540), real),
    modulation_field("c541", offsetof(modulation_mode, c541), sizeof(modulation_mode::c541), real),
    modulation_field("c542", offsetof(modulation_mode, c542), sizeof(modulation_mode::c542), real),
    modulation_field("c543", offsetof(modulation_mode, c543), sizeof(modulation_mode::c543), real),
    modulation_field("c544", offsetof(modulation_mode, c544), sizeof(modulation_mode::c544), real),
    modulation_field("c545", offsetof(modulation_mode, c545), sizeof(modulation_mode::c545), real),
    modulation_field("c550", offsetof(modulation_mode, c550), sizeof(modulation_mode::c550), real),
    modulation_field("c551", offsetof(modulation_mode, c551), sizeof(modulation_mode::c551),
                     signed_),
    modulation_field("c552", offsetof(modulation_mode, c552), sizeof(modulation_mode::c552),
                     signed_),
};

static_assert(fl::in_offset_order_within(table, sizeof(group)));

sm_model_vehicle_group_defaults::built_once building;

void build_defaults() {
  defaults& d = the_defaults();
  d.whole.aural = aural::group_default();
  d.whole.flow = flow::group_default();
  d.whole.mach = machinery::group_default();
  d.whole.prop = propeller::group_default();
  d.whole.prop_modu = modulation::group_default();
}

}  // namespace

void start_up() {
  building.run(build_defaults);
}

bool started() {
  return building.done();
}

const group& group_default() {
  start_up();
  return the_defaults().whole;
}

std::span<const sm_model_vehicle_fields::field> fields() {
  return table;
}

}  // namespace sm_model_vehicle_bb
