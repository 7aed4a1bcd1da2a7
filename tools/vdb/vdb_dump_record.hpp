// What of a record its characteristics hold, and what is left over: the bits that
// no characteristic the record holds covers (gaps between fields, tonal slots'
// bytes their kind does not use, unused bits beside packed fields). vdb dump
// carries those that differ from the default record as "gaps"; vdb load puts them
// back around the characteristics' values.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include <nlohmann/json.hpp>

#include "sm_model_vehicle.hpp"

namespace vdb::dump_record {

inline constexpr std::size_t record_size = sizeof(sm_model_vehicle::data);
using record_bytes = std::array<std::uint8_t, record_size>;

// Per byte, the bits that a characteristic the record holds covers.
record_bytes covered_by_fields(std::span<const std::uint8_t> record);

// The record's default bytes, as load starts from them.
const record_bytes& default_record();

// [[offset,"hex"],...]: runs of bytes whose uncovered bits differ from the default
// record's (the whole bytes are written; load takes only their uncovered bits).
void put_gaps(std::string& out, std::span<const std::uint8_t> record, const record_bytes& covered);

// The gaps put into the record's uncovered bits; an empty text, or why they are
// not gaps of a record.
std::string gaps_from(const nlohmann::json& j, std::span<std::uint8_t> record,
                      const record_bytes& covered);

}  // namespace vdb::dump_record
