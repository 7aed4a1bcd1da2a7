// A store of fixed-size records ("items"), each filed under a key at a fixed index
// position. Two files side by side: the index file holds one header record (three
// passwords, three counters and one entry per position with key, state and
// modification time), the item file one item record per position. Other processes
// use the same files at the same time; a position is guarded by its lock file.
// File failures are reported, one line each, and never raised.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "csl_exceptions.hpp"
#include "csl_fixed_text.hpp"
#include "csl_output.hpp"
#include "csl_platform.hpp"
#include "csl_ranged.hpp"
#include "csl_real_time.hpp"
#include "csl_system_numbers.hpp"
#include "csl_time.hpp"

namespace csl_database {

enum class key_state : std::uint8_t { empty = 0, read_only = 1, read_write = 2 };
enum class access_mode : std::uint8_t { none, read, write, control };

// "EMPTY", "READ_ONLY", "READ_WRITE"; any other byte is the range error.
std::string image_of(key_state state);

// Positioned on an entry that was in use when the iteration started; a new
// iterator is not valid.
struct iterator {
  bool is_valid = false;
  int position = 1;
};

using password = csl::fixed_text<10>;
using counter = csl::ranged<std::int32_t, 0, std::numeric_limits<std::int32_t>::max()>;

// A lock that cannot be had after this many waits is reported and ignored.
inline constexpr double lock_wait_seconds = 0.25;
inline constexpr int lock_retries = 20;

// What a writer does when the lock file of its position is still held after its
// retries: carry on as if it held it (the store's own operations), or give up and
// write nothing (a caller that would rather say so than write over a holder).
enum class on_lock_timeout { carry_on, give_up };
struct lock_policy {
  int retries = lock_retries;
  on_lock_timeout timeout = on_lock_timeout::carry_on;
};

// What a modify came to: the change written, declined by the change itself, not
// attempted because the lock could not be had (giving up) or because the entry or
// the item could not be read whole.
enum class modify_outcome { written, declined, not_locked, unreadable };
struct modify_result {
  modify_outcome outcome = modify_outcome::declined;
  bool whole = true;                 // every file step of the write succeeded
  csl_platform::status lock_status;  // why the lock could not be had
};

// What a modify_batch came to: written (every change written, or declined by
// the change), or not_locked or unreadable at `position`; a lock not had writes
// nothing, a record not readable stops the batch there, the chunks before it
// written.
struct batch_result {
  modify_outcome outcome = modify_outcome::written;
  int position = 0;                  // where it stopped
  bool whole = true;                 // every file step of the writes succeeded
  csl_platform::status lock_status;  // why the lock could not be had
  int written = 0;                   // positions changed
};
// Positions a batch makes durable together: its records are held in memory.
inline constexpr std::size_t batch_chunk = 256;
// Positions whose records items_at_positions reads under their locks together.
inline constexpr std::size_t read_chunk = 64;

// CRC-32 (the polynomial of zip and Ethernet) of a journal's bytes.
std::uint32_t checksum_of(const void* bytes, std::size_t size);

// One index entry: the key, its state and the time of its last change.
template <class Key>
struct key_rec {
  Key details;
  key_state state = key_state::empty;
  std::array<std::uint8_t, 3> fill{};  // carried through unchanged
  csl_time::time mod_time;
};

// The index file's single record. Positions are 1-based: entry(p) is index[p - 1].
template <class Key, int Positions>
struct header_rec {
  std::array<password, 3> passwords;
  std::array<std::uint8_t, 2> fill{};  // carried through unchanged
  std::array<counter, 3> number;
  std::array<key_rec<Key>, Positions> index;

  key_rec<Key>& entry(int position) { return index[static_cast<std::size_t>(position - 1)]; }
  const key_rec<Key>& entry(int position) const {
    return index[static_cast<std::size_t>(position - 1)];
  }
};

// What a writer of this library is about to write in place, kept beside the
// database until both writes are durable: after a crash the journal is replayed
// when whole, or discarded when it was not finished (then nothing was written in
// place yet).
template <class Key, class Item>
struct journal_rec {
  std::array<char, 8> magic;
  std::int32_t position;
  std::uint32_t with_item;  // 1 when the item below is written too, 0 for the entry alone
  key_rec<Key> entry;
  Item the_item;
  std::uint32_t checksum;  // checksum_of every byte before it
};
inline constexpr std::array<char, 8> journal_magic = {'R', 'V', 'D', 'B', 'J', 'N', 'L', '1'};

// Literals of the file steps in a report line.
inline constexpr std::string_view raised_opening = " raised opening ";
inline constexpr std::string_view raised_reading = " raised reading ";
inline constexpr std::string_view raised_writing = " raised writing ";
inline constexpr std::string_view raised_creating = " raised creating ";
inline constexpr std::string_view raised_closing = " raised closing ";

// Writes one report line: prefix, failure message, blank, failure name, step, file
// name and, for item records, " position " and the position's image.
void report(std::string_view prefix, const csl_platform::status& failure, std::string_view step,
            const std::string& file_name, std::optional<std::int64_t> position = std::nullopt);
// The same with the failure's message and name given.
void report(std::string_view prefix, std::string_view message, std::string_view name,
            std::string_view step, const std::string& file_name,
            std::optional<std::int64_t> position = std::nullopt);

// A reader that could not take the lock reads this many times at most while the
// entry or the item keeps changing under it.
inline constexpr int settle_reads = 5;
inline constexpr double settle_wait_seconds = 0.002;

// Traits give the item and key types, the null item, the key's validity and
// position, the item's key, the number of positions and the instance's name.
template <class Traits>
class store {
 public:
  using item = typename Traits::item;
  using key = typename Traits::key;
  static constexpr int positions = Traits::positions;
  using key_record = key_rec<key>;
  using header_type = header_rec<key, positions>;

  static_assert(sizeof(key_record) == sizeof(key) + 28);
  static_assert(offsetof(key_record, state) == sizeof(key));
  static_assert(offsetof(key_record, mod_time) == sizeof(key) + 4);
  static_assert(offsetof(header_type, fill) == 30 && offsetof(header_type, number) == 32);
  static_assert(offsetof(header_type, index) == 44);
  static_assert(sizeof(header_type) == 44 + positions * sizeof(key_record));
  using journal_type = journal_rec<key, item>;
  static_assert(std::is_trivially_copyable_v<journal_type>);
  static_assert(offsetof(journal_type, position) == 8 && offsetof(journal_type, with_item) == 12);
  static_assert(offsetof(journal_type, entry) == 16);
  static_assert(offsetof(journal_type, the_item) == 16 + sizeof(key_record));
  static_assert(offsetof(journal_type, checksum) == 16 + sizeof(key_record) + sizeof(item));
  static_assert(sizeof(journal_type) == 20 + sizeof(key_record) + sizeof(item));

  class initialisation_error : public csl::named_error {
   public:
    explicit initialisation_error(std::string place)
        : named_error(std::string(Traits::module_name) + ".INITIALISATION_ERROR",
                      std::move(place)) {}
  };
  class key_error : public csl::named_error {
   public:
    explicit key_error(std::string place)
        : named_error(std::string(Traits::module_name) + ".KEY_ERROR", std::move(place)) {}
  };
  class state_error : public csl::named_error {
   public:
    explicit state_error(std::string place)
        : named_error(std::string(Traits::module_name) + ".STATE_ERROR", std::move(place)) {}
  };
  class iterator_error : public csl::named_error {
   public:
    explicit iterator_error(std::string place)
        : named_error(std::string(Traits::module_name) + ".ITERATOR_ERROR", std::move(place)) {}
  };

  // The two headers are zero pages from the allocator: a header of all zero bytes
  // is the start-up state, and building 2 x 2000 entries one by one costs more than
  // the rest of start-up.
  store()
      : storage_(std::calloc(1, sizeof(header_pair) + alignof(header_pair))),
        headers_(aligned_headers(storage_.get())) {}

  // Start-up: takes the base file name and where the null item comes from, marks
  // every entry's key not valid and leaves the store uninitialised. The null item
  // is asked for only when the item file is created, and is not copied: it must
  // live as long as the store (the default record does), and building or copying
  // it at start-up would cost every process that never creates the files.
  void start_up(std::string base_name, const item& (*null_item)()) {
    file_name_ = std::move(base_name);
    index_file_name_ = file_name_ + "_INDEX";
    null_item_ = null_item;
    // Fresh headers are zero pages already; clearing them would only fault them in.
    if (started_) {
      for (header_slot& slot : *headers_) reset(slot.header);
    }
    started_ = true;
    current_ = 0;
    db_initialised_ = false;
  }

  // Opens both files (creating either when it does not exist) and loads the index.
  void initialise() {
    if (db_initialised_) throw initialisation_error("csl_database.initialise");
    db_initialised_ = true;
    initialise_item_file();
    initialise_index_file();
    if (db_initialised_) recover_all();
  }

  bool is_initialised() const { return db_initialised_; }

  // Rereads the index under the lock of position 1.
  void load_index() {
    const held_lock guard(*this, 1, lock_kind::reader);
    read_index();
  }

  // The item at the key's position, after rereading the index.
  item item_of(const key& the_key) {
    item result;  // every byte is read or cleared
    item_of(the_key, result);
    return result;
  }
  // The same into a record the caller keeps: a frequent reader saves setting up
  // and copying a fresh record on every call.
  void item_of(const key& the_key, item& into) {
    keyed_read(into, the_key, true, "csl_database.item_of");
  }
  // The same, trusting the index as last loaded.
  item fast_item_of(const key& the_key) {
    item result;
    keyed_read(result, the_key, false, "csl_database.fast_item_of");
    return result;
  }

  // The item record of a position whatever its entry holds, as a reader of this
  // library reads it (for tools that show a position as it is); true when read
  // whole.
  bool item_at_position(int position, item& into) {
    constexpr const char* place = "csl_database.item_at_position";
    check_position(position, place);
    const held_lock guard(*this, position, lock_kind::reader);
    return read_at(position, into, guard.locked());
  }

  // The records at many positions, each read as item_at_position reads it, a
  // chunk at a time: the chunk's read locks are held together, as names of one
  // file (csl_platform::lock_file_maker), so that reading a whole database does
  // not make a file per position; they are released before `visit(position,
  // record, readable)` sees the chunk's records. The memory held is one chunk's.
  template <class Visit>
  void items_at_positions(std::span<const int> positions_, Visit&& visit,
                          std::size_t chunk = read_chunk) {
    for (const int p : positions_) check_position(p, "csl_database.items_at_positions");
    std::vector<item> items(std::min(chunk, positions_.size()));
    std::vector<bool> readable(items.size());
    for (std::size_t from = 0; from < positions_.size(); from += chunk) {
      const std::span<const int> part =
          positions_.subspan(from, std::min(chunk, positions_.size() - from));
      read_together(part, items, readable);
      for (std::size_t i = 0; i < part.size(); ++i) visit(part[i], items[i], readable[i]);
    }
  }

  // Stores the item and its key at the key's position and stamps the entry with
  // the current time; an empty entry becomes read_write, a read_only one refuses.
  // Only the changed entry is written back, so that writers of other positions
  // never lose each other's changes; a failed item write leaves the entry as it
  // was.
  void update(const item& the_item, const key& the_key) {
    constexpr const char* place = "csl_database.update";
    const int position = checked_position(the_key, place);
    const held_lock guard(*this, position, lock_kind::writer);
    recover(position);
    read_index();
    key_record entry = header().entry(position);
    const key_state state = checked_state(position, place);
    if (state == key_state::read_only) throw state_error(place);
    entry.mod_time = csl_real_time::processor_time();
    entry.details = the_key;
    if (state == key_state::empty) entry.state = key_state::read_write;
    commit(position, entry, &the_item);
  }

  // The same under the record's own key.
  void update(const item& the_item) { update(the_item, Traits::key_of(the_item)); }

  // Sets the entry's state whatever it was (this also repairs a damaged state byte);
  // key, time and item record stay.
  void set_state_of(const key& the_key, key_state to) {
    const int position = checked_position(the_key, "csl_database.set_state_of");
    const held_lock guard(*this, position, lock_kind::writer);
    recover(position);
    read_index();
    key_record entry = header().entry(position);
    entry.state = to;
    commit(position, entry, nullptr);
  }

  // Sets the modification time of a read_write entry.
  void set_time_of(const key& the_key, const csl_time::time& to) {
    constexpr const char* place = "csl_database.set_time_of";
    const int position = checked_position(the_key, place);
    const held_lock guard(*this, position, lock_kind::writer);
    recover(position);
    read_index();
    if (checked_state(position, place) != key_state::read_write) throw state_error(place);
    key_record entry = header().entry(position);
    entry.mod_time = to;
    commit(position, entry, nullptr);
  }

  // Reads the entry and the item of the key's position, lets `change` alter both,
  // and writes back what it made, all under the position's one lock, so that
  // concurrent changes of one position never lose each other. `change(entry,
  // item)` returns false to write nothing; what it throws passes through, with
  // nothing written and the lock released. The change sets the entry as it means
  // it to be: key, state and time are not stamped here.
  template <class Change>
  modify_result modify(const key& the_key, Change&& change, lock_policy policy = {}) {
    const int position = checked_position(the_key, "csl_database.modify");
    const held_lock guard(*this, position, lock_kind::writer, policy);
    if (!guard.locked()) return {modify_outcome::not_locked, false, guard.failure()};
    recover(position);
    bool whole = watched_read_index(0, nullptr);
    key_record entry = header().entry(position);
    item the_item;  // every byte is read or cleared
    whole = read_item(the_item, position) && whole;
    if (!whole) return {modify_outcome::unreadable, false, {}};
    const item before = the_item;
    if (!change(entry, the_item)) return {modify_outcome::declined, true, {}};
    // Only what the change changed is written.
    const bool item_changed = !same_bytes(before, the_item);
    if (!item_changed && same_bytes(entry, header().entry(position))) {
      return {modify_outcome::written, true, {}};
    }
    return {
        modify_outcome::written, commit(position, entry, item_changed ? &the_item : nullptr), {}};
  }

  // Changes the index header's passwords, fill and counters, never its entries,
  // under the lock of position 1 (the guard of the index as a whole), and writes
  // those first bytes in place, made durable. They lie in the file's first
  // sector, which a crash does not tear. `change(header)` returns false to write
  // nothing; what it does to the entries is not written.
  template <class Change>
  modify_result modify_preamble(Change&& change, lock_policy policy = {}) {
    if (!db_initialised_) throw initialisation_error("csl_database.modify_preamble");
    const held_lock guard(*this, 1, lock_kind::writer, policy);
    if (!guard.locked()) return {modify_outcome::not_locked, false, guard.failure()};
    if (!watched_read_index(0, nullptr)) return {modify_outcome::unreadable, false, {}};
    header_type& h = header();
    const auto passwords = h.passwords;
    const auto fill = h.fill;
    const auto number = h.number;
    if (!change(h)) return {modify_outcome::declined, true, {}};
    constexpr std::size_t size = offsetof(header_type, index);
    static_assert(size <= 512, "the preamble must lie in one sector");
    if (same_bytes(passwords, h.passwords) && same_bytes(fill, h.fill) &&
        same_bytes(number, h.number)) {
      return {modify_outcome::written, true, {}};
    }
    const written done =
        write_in_place("csl_database: write_index ", index_file_name_,
                       csl_platform::open_mode::read_write, 0, &h, size, std::nullopt, durable_);
    return {modify_outcome::written, done == written::whole, {}};
  }

  // modify for many positions at once, their writes made durable together: the
  // lock of every position is taken first (a lock that cannot be had releases
  // those taken and writes nothing), then, chunk by chunk, each position is
  // recovered, reread and changed by `change(position, entry, item)` (false: leave
  // it as it is), each changed position's journal is written, one flush makes all
  // of them durable, everything is written in place, one flush per file, the
  // journals go, and the chunk's locks are released. A crash at any instant
  // leaves each position wholly old or wholly new, as single writes do; the
  // memory held is one chunk's records. `positions_` holds distinct positions.
  template <class Change>
  batch_result modify_batch(std::span<const int> positions_, Change&& change,
                            lock_policy policy = {}, std::size_t chunk = batch_chunk) {
    for (const int p : positions_) check_position(p, "csl_database.modify_batch");
    if (!db_initialised_) throw initialisation_error("csl_database.modify_batch");
    batch_locks locks(*this, positions_, policy);
    if (!locks.all_taken()) {
      return {modify_outcome::not_locked, locks.refused_at(), false, locks.failure(), 0};
    }
    batch_result result;
    std::vector<pending> changed;
    for (std::size_t from = 0; from < positions_.size(); from += chunk) {
      const std::span<const int> part =
          positions_.subspan(from, std::min(chunk, positions_.size() - from));
      if (!changes_of(part, change, changed, result)) return result;
      result.whole = commit_batch(changed) && result.whole;
      result.written += static_cast<int>(changed.size());
      locks.release(part);
    }
    return result;
  }

  // Replays the journal of a position that a writer left behind when it was
  // stopped, or discards one it had not finished. The caller holds the position's
  // lock (or has carried on without it).
  void recover(int position) {
    check_position(position, "csl_database.recover");
    const std::string name = journal_file_name(position);
    journal_type j;
    const journal_found found = read_journal(name, position, j);
    if (found == journal_found::none) return;
    if (found == journal_found::whole && !replayed(j)) return;  // kept for the next try
    discard_journal(name);
  }

  // The journal file of a position: the base name, "_JOURNAL_" and the position's
  // image with its leading blank, as its lock file is named.
  std::string journal_file_name(int position) const { return named_for(position, "_JOURNAL_"); }

  // Whether each write is journaled and made durable before it returns (the
  // default). Without, a write is two plain writes in place, as fast as the
  // system's cache and no safer: for measurements and bulk work that makes its
  // own provision.
  void set_durable(bool durable) { durable_ = durable; }

  // The modification time of an entry in use.
  csl_time::time time_of(const key& the_key) {
    constexpr const char* place = "csl_database.time_of";
    const int position = checked_position(the_key, place);
    reread_under_read_lock(position);
    if (checked_state(position, place) == key_state::empty) throw state_error(place);
    return header().entry(position).mod_time;
  }

  key_state state_of(const key& the_key) {
    constexpr const char* place = "csl_database.state_of";
    const int position = checked_position(the_key, place);
    reread_under_read_lock(position);
    return checked_state(position, place);
  }

  // Plain reads of the index as last loaded: no checks, no lock, no reread.
  // A position outside 1 .. positions is the range error.
  const key& value_of(int the_position) const {
    check_position(the_position, "csl_database.value_of");
    return header().entry(the_position).details;
  }
  bool is_empty(int the_position) const {
    check_position(the_position, "csl_database.is_empty");
    return checked_state(the_position, "csl_database.is_empty") == key_state::empty;
  }
  const csl_time::time& mod_time_of(int the_position) const {
    check_position(the_position, "csl_database.mod_time_of");
    return header().entry(the_position).mod_time;
  }

  // Reloads the index under the lock of position 1 and stands on the first entry
  // in use.
  void initialise(iterator& the_iterator) {
    if (!db_initialised_) throw initialisation_error("csl_database.initialise");
    {
      const held_lock guard(*this, 1, lock_kind::writer);
      read_index();
    }
    seek(the_iterator, 1);
  }

  // Moves to the next entry in use of the index as loaded.
  void next(iterator& the_iterator) const {
    if (!the_iterator.is_valid) throw iterator_error("csl_database.next");
    seek(the_iterator, the_iterator.position + 1);
  }

  const key& value_of(const iterator& the_iterator) const {
    if (!the_iterator.is_valid) throw iterator_error("csl_database.value_of");
    return value_of(the_iterator.position);
  }

  static bool is_done(const iterator& the_iterator) { return !the_iterator.is_valid; }

  // Loads the header from the index file. Each step is reported on its own and a
  // failed step does not stop the next; a failed read keeps the header as it was.
  void read_index() { watched_read_index(0, nullptr); }

  // Reads item record from_position; returns whether the whole record was read. A
  // failed read leaves the item zero, never partly read.
  // With `disturbed`, the record is marked as being read, and `disturbed` notes
  // whether a writer had it marked instead.
  bool read_item(item& the_item, int from_position, bool* disturbed = nullptr) {
    check_position(from_position, "csl_database.read_item");
    constexpr std::string_view prefix = "csl_database: read_item ";
    csl_platform::file f;
    step(prefix, csl_platform::open(file_name_, csl_platform::open_mode::read_only, f),
         raised_opening, file_name_);
    watch(f, item_offset(from_position), sizeof(item), disturbed);
    bool whole = step(prefix, csl_platform::read_record(f, from_position, &the_item, sizeof(item)),
                      raised_reading, file_name_, from_position);
    if (!whole) clear(the_item);
    step(prefix, csl_platform::close(f), raised_closing, file_name_);
    return whole;
  }

  // Writes a new index file from the header: blank passwords, every entry empty.
  void create_index_file() {
    constexpr std::string_view prefix = "csl_database: create_index_file ";
    csl_output::put_line("csl_database: creating new index file " + index_file_name_);
    header_type& h = header();
    h.passwords.fill(password::blanks());
    for (key_record& e : h.index) e.state = key_state::empty;
    csl_platform::file f;
    if (!creation_step(prefix, csl_platform::create(index_file_name_, f), raised_creating,
                       index_file_name_)) {
      return;
    }
    if (!creation_step(prefix, csl_platform::write_record(f, 1, &h, sizeof(header_type)),
                       raised_writing, index_file_name_)) {
      return;
    }
    creation_step(prefix, csl_platform::close(f), raised_closing, index_file_name_);
  }

  // Writes a new item file of one null item per position.
  void create_item_file() {
    constexpr std::string_view prefix = "csl_database: create_item_file ";
    csl_output::put_line("csl_database: creating new file " + file_name_);
    csl_platform::file f;
    if (!creation_step(prefix, csl_platform::create(file_name_, f), raised_creating, file_name_)) {
      return;
    }
    // Start-up gives the null item; a store never started has no file name, so
    // its creation has failed above.
    if (null_item_ == nullptr) return;
    const item& null_item = null_item_();
    for (int p = 1; p <= positions; ++p) {
      if (!creation_step(prefix, csl_platform::write_record(f, p, &null_item, sizeof(item)),
                         raised_writing, file_name_)) {
        return;
      }
    }
    creation_step(prefix, csl_platform::close(f), raised_closing, file_name_);
  }

  // Writes the header as record 1 of the index file; independent reported steps.
  void write_index() {
    constexpr std::string_view prefix = "csl_database: write_index ";
    csl_platform::file f;
    step(prefix, csl_platform::open(index_file_name_, csl_platform::open_mode::read_write, f),
         raised_opening, index_file_name_);
    csl_platform::mark_writing(f, 0, sizeof(header_type));
    step(prefix, csl_platform::write_record(f, 1, &header(), sizeof(header_type)), raised_writing,
         index_file_name_);
    step(prefix, csl_platform::close(f), raised_closing, index_file_name_);
  }

  // Writes one item record in place; the other records stay as they are. True
  // when every step succeeded.
  bool write_item(const item& the_item, int at_position) {
    check_position(at_position, "csl_database.write_item");
    return write_item_steps(the_item, at_position, false) == written::whole;
  }

  // Writes the one index entry of a position in place (reported as write_index).
  void write_entry(int position) {
    check_position(position, "csl_database.write_entry");
    write_entry_steps(position, false);
  }

  static constexpr std::int64_t item_offset(int position) {
    return static_cast<std::int64_t>(sizeof(item)) * (position - 1);
  }

  static constexpr std::int64_t entry_offset(int position) {
    return static_cast<std::int64_t>(offsetof(header_type, index)) +
           static_cast<std::int64_t>(sizeof(key_record)) * (position - 1);
  }

  // Takes the lock file of a position, waiting if needed; after the last retry the
  // caller carries on as if it held the lock.
  void lock(int index) {
    check_position(index, "csl_database.lock");
    lock(lock_file_name(index));
  }

  // Takes the lock file only when nobody holds it; never waits for a holder.
  bool read_lock(int index) {
    check_position(index, "csl_database.read_lock");
    return read_lock(lock_file_name(index));
  }

  // Removes the lock file; a failure to remove it is ignored.
  void unlock(int index) {
    check_position(index, "csl_database.unlock");
    unlock(lock_file_name(index));
  }

  const header_type& header() const { return (*headers_)[current_].header; }
  header_type& header() { return (*headers_)[current_].header; }
  const std::string& file_name() const { return file_name_; }
  const std::string& index_file_name() const { return index_file_name_; }
  // The base name, "_LOCK_" and the position's image with its leading blank.
  // Built in one allocation: every keyed operation names its lock once.
  std::string lock_file_name(int index) const { return named_for(index, "_LOCK_"); }

 private:
  // All bytes zero: every key not valid, every entry empty.
  static void reset(header_type& h) { std::memset(static_cast<void*>(&h), 0, sizeof h); }

  // The base name, the infix and the position's image with its leading blank.
  std::string named_for(int index, std::string_view infix) const {
    std::array<char, 16> digits{};
    const std::to_chars_result end =
        std::to_chars(digits.data(), digits.data() + digits.size(), index);
    const std::string_view image(digits.data(), static_cast<std::size_t>(end.ptr - digits.data()));
    const bool blank = index >= 0;
    std::string name;
    name.reserve(file_name_.size() + infix.size() + (blank ? 1 : 0) + image.size());
    name.append(file_name_).append(infix);
    if (blank) name.push_back(' ');
    name.append(image);
    return name;
  }

  static void check_position(int position, const char* place) {
    if (position < 1 || position > positions) throw csl::range_error(place);
  }

  // The lock of the position whose lock file is `name`.
  void lock(const std::string& name) {
    if (!take_lock(name, lock_retries).ok()) report_lock_failure(name);
  }
  // One attempt: a file that exists is a holder, whom a reader never waits for;
  // any other failure (no permission, a read-only file system) is reported, and
  // the reader reads without the lock.
  template <class Create = csl_platform::status (*)(const std::string&)>
  bool read_lock(const std::string& name, Create&& create = csl_platform::create_exclusive) {
    const csl_platform::status s = create(name);
    if (s.ok()) return true;
    if (!csl_platform::already_exists(s)) report_lock_failure(name);
    return false;
  }
  static void unlock(const std::string& name) { csl_platform::remove(name); }

  // A position's record, read under its lock when `locked`; otherwise from a whole
  // journal of the position when there is one, or as it settles in place.
  bool read_at(int position, item& into, bool locked) {
    if (locked) return read_item(into, position);
    journal_type j;
    if (read_journal(journal_file_name(position), position, j) == journal_found::whole &&
        j.with_item != 0) {
      std::memcpy(static_cast<void*>(&into), &j.the_item, sizeof(item));
      return true;
    }
    return settled_read(into, position, false, nullptr);
  }

  // The records of `part`, each read under its read lock when that could be had,
  // the locks held until all are read and then released.
  void read_together(std::span<const int> part, std::vector<item>& items,
                     std::vector<bool>& readable) {
    struct held {
      std::vector<std::string> names;
      ~held() {
        for (const std::string& n : names) unlock(n);
      }
    } locks;
    csl_platform::lock_file_maker maker;
    for (std::size_t i = 0; i < part.size(); ++i) {
      std::string name = lock_file_name(part[i]);
      const bool locked =
          read_lock(name, [&](const std::string& n) { return maker.create_exclusive(n); });
      if (locked) locks.names.push_back(std::move(name));
      readable[i] = read_at(part[i], items[i], locked);
    }
  }

  // A writer waits for a position's lock (and carries on after the last retry);
  // a reader takes it only when nobody holds it.
  enum class lock_kind { writer, reader };

  // A position's lock for the length of one operation, released on every way out
  // when it was taken. Its file's name is built once for the operation.
  class held_lock {
   public:
    held_lock(store& s, int position, lock_kind kind, lock_policy policy = {})
        : name_(s.lock_file_name(position)), locked_(take(s, kind, policy)) {}
    held_lock(const held_lock&) = delete;
    held_lock& operator=(const held_lock&) = delete;
    ~held_lock() {
      if (locked_) unlock(name_);
    }
    bool locked() const { return locked_; }
    const csl_platform::status& failure() const { return failure_; }

   private:
    // A writer that carries on counts as holding the lock even when its retries
    // ran out, and removes the lock file when done; one that gives up holds
    // nothing and removes nothing.
    bool take(store& s, lock_kind kind, const lock_policy& policy) {
      if (kind == lock_kind::reader) return s.read_lock(name_);
      failure_ = take_lock(name_, policy.retries);
      if (failure_.ok()) return true;
      if (policy.timeout == on_lock_timeout::give_up) return false;
      report_lock_failure(name_);
      return true;
    }

    std::string name_;
    csl_platform::status failure_;
    bool locked_;
  };

  // The checks of every keyed operation, before any file is touched. Only the
  // key's position matters; the key stored in the entry is not compared.
  int checked_position(const key& the_key, const char* place) const {
    if (!db_initialised_) throw initialisation_error(place);
    if (!Traits::is_valid(the_key)) throw key_error(place);
    return Traits::index_of(the_key);
  }

  // The entry's state; a byte that is no state (a damaged or foreign file) is
  // refused, naming the position and the byte.
  key_state checked_state(int position, const char* place) const {
    const auto byte = static_cast<unsigned>(header().entry(position).state);
    if (byte > static_cast<unsigned>(key_state::read_write)) {
      throw state_error(std::string(place) + ": entry " + std::to_string(position) +
                        " holds the state byte " + std::to_string(byte) + ", not 0, 1 or 2");
    }
    return static_cast<key_state>(byte);
  }

  // A reader without the lock takes the entry from a whole journal when there is
  // one: that is what the entry is, or will be once recovery has run.
  void reread_under_read_lock(int position) {
    const held_lock guard(*this, position, lock_kind::reader);
    read_index();
    if (!guard.locked()) {
      journal_type j;
      if (read_journal(journal_file_name(position), position, j) == journal_found::whole) {
        header().entry(position) = j.entry;
      }
    }
  }

  // Stands on the first entry in use from `from` on; done when there is none.
  void seek(iterator& the_iterator, int from) const {
    for (int p = from; p <= positions; ++p) {
      if (checked_state(p, "csl_database.next") != key_state::empty) {
        the_iterator.is_valid = true;
        the_iterator.position = p;
        return;
      }
    }
    the_iterator.is_valid = false;
  }

  // A reader that holds the lock reads once.
  void keyed_read(item& into, const key& the_key, bool reread_index, const char* place) {
    const int position = checked_position(the_key, place);
    const held_lock guard(*this, position, lock_kind::reader);
    if (!guard.locked()) {
      unlocked_read(into, position, reread_index, place);
      return;
    }
    if (reread_index) read_index();
    if (checked_state(position, place) == key_state::empty) throw state_error(place);
    read_item(into, position);
  }

  // A reader without the lock takes what a whole journal of the position holds:
  // a writer of this library is writing it in place, or was stopped doing so.
  // Otherwise it reads the files as they are.
  void unlocked_read(item& into, int position, bool reread_index, const char* place) {
    journal_type j;
    if (read_journal(journal_file_name(position), position, j) != journal_found::whole) {
      settled_read(into, position, reread_index, place);
      return;
    }
    header().entry(position) = j.entry;
    if (checked_state(position, place) == key_state::empty) throw state_error(place);
    if (j.with_item != 0) {
      std::memcpy(static_cast<void*>(&into), &j.the_item, sizeof(item));
      return;
    }
    settled_read(into, position, false, place);
  }

  // A reader without the lock (someone else is writing, or a lock file was left
  // behind) may meet half of a concurrent write. It marks what it reads, so that
  // writers of this library wait for it, and takes a record only when it got its
  // marks and two reads of the record and its entry agree (against writers that do
  // not mark); it waits a little between tries and gives up after a few, reporting
  // a failed read.
  // A failed index read is reported once: the index is not read again. Without a
  // place the entry's state is not asked for. True when the record was read.
  bool settled_read(item& into, int position, bool reread_index, const char* place) {
    for (int reads = 1;; ++reads) {
      bool disturbed = false;
      if (reread_index) reread_index = watched_read_index(position, &disturbed);
      if (place != nullptr && checked_state(position, place) == key_state::empty) {
        throw state_error(place);
      }
      const key_record entry = header().entry(position);
      if (!read_item(into, position, &disturbed)) return false;
      item second;  // every byte is read or cleared
      if (!read_item(second, position, &disturbed)) {
        clear(into);
        return false;
      }
      if (reread_index) reread_index = watched_read_index(position, &disturbed);
      if (!disturbed && same_bytes(into, second) && same_bytes(entry, header().entry(position))) {
        return true;
      }
      if (reads == settle_reads) {
        report("csl_database: read_item ", "record changing while read", "UNSETTLED_READ",
               raised_reading, file_name_, position);
        clear(into);
        return false;
      }
      csl_platform::sleep_seconds(settle_wait_seconds);
    }
  }

  // read_index; with `disturbed`, the entry of `position` is marked as being read,
  // and `disturbed` notes whether a writer had it marked instead. True when every
  // step succeeded.
  bool watched_read_index(int position, bool* disturbed) {
    constexpr std::string_view prefix = "csl_database: read_index ";
    csl_platform::file f;
    bool whole =
        step(prefix, csl_platform::open(index_file_name_, csl_platform::open_mode::read_only, f),
             raised_opening, index_file_name_);
    if (disturbed) watch(f, entry_offset(position), sizeof(key_record), disturbed);
    whole = step(prefix, read_header(f), raised_reading, index_file_name_) && whole;
    whole = step(prefix, csl_platform::close(f), raised_closing, index_file_name_) && whole;
    return whole;
  }

  // How much of a write in place was done: nothing (its file could not be
  // opened), a part (a step failed after the file was open), or the whole.
  enum class written { nothing, part, whole };

  // One part of a file written in place: open, mark, write, flush when durable,
  // close, each step reported; the item's write report names its position.
  written write_in_place(std::string_view prefix, const std::string& name,
                         csl_platform::open_mode mode, std::int64_t offset, const void* bytes,
                         std::size_t size, std::optional<std::int64_t> position, bool durable) {
    csl_platform::file f;
    const bool opened = step(prefix, csl_platform::open(name, mode, f), raised_opening, name);
    csl_platform::mark_writing(f, offset, size);
    bool whole = step(prefix, csl_platform::write_at(f, offset, bytes, size), raised_writing, name,
                      position);
    if (whole && durable) {
      whole = step(prefix, csl_platform::sync(f), raised_writing, name, position);
    }
    whole = step(prefix, csl_platform::close(f), raised_closing, name) && whole;
    return !opened ? written::nothing : whole ? written::whole : written::part;
  }

  written write_item_steps(const item& the_item, int at_position, bool durable) {
    return write_in_place("csl_database: write_item ", file_name_,
                          csl_platform::open_mode::write_only, item_offset(at_position), &the_item,
                          sizeof(item), at_position, durable);
  }

  written write_entry_steps(int position, bool durable) {
    return write_in_place("csl_database: write_index ", index_file_name_,
                          csl_platform::open_mode::read_write, entry_offset(position),
                          &header().entry(position), sizeof(key_record), std::nullopt, durable);
  }

  // Writes a position's new entry, and its item when given, in place: the item
  // first, so that a failed item write leaves the entry as it was. When durable,
  // both are first written to the position's journal and made durable, and the
  // journal goes once both writes are; it stays when a write was left half done,
  // for recovery to finish. A journal that cannot be written is reported, and the
  // writes go ahead without it. True when every step succeeded.
  bool commit(int position, const key_record& entry, const item* the_item) {
    const std::string journal = journal_file_name(position);
    const bool journaled = durable_ && write_journal(journal, position, entry, the_item);
    written done = written::nothing;
    if (the_item != nullptr) {
      done = write_item_steps(*the_item, position, durable_);
      if (done != written::whole) {
        if (journaled && done == written::nothing) discard_journal(journal);
        return false;
      }
    }
    header().entry(position) = entry;
    const written entry_done = write_entry_steps(position, durable_);
    if (entry_done != written::whole) {
      if (journaled && done == written::nothing && entry_done == written::nothing) {
        discard_journal(journal);
      }
      return false;
    }
    if (journaled) discard_journal(journal);
    return true;
  }

  // Without `flush` the journal is written and closed only: a batch makes all its
  // journals durable with one flush.
  bool write_journal(const std::string& name, int position, const key_record& entry,
                     const item* the_item, bool flush = true) {
    constexpr std::string_view prefix = "csl_database: write_journal ";
    journal_type j;
    std::memset(static_cast<void*>(&j), 0, sizeof j);
    j.magic = journal_magic;
    j.position = position;
    j.with_item = the_item != nullptr ? 1 : 0;
    j.entry = entry;
    if (the_item != nullptr) std::memcpy(static_cast<void*>(&j.the_item), the_item, sizeof(item));
    j.checksum = checksum_of(&j, offsetof(journal_type, checksum));
    csl_platform::file f;
    if (!step(prefix, csl_platform::create(name, f), raised_creating, name)) return false;
    bool whole = step(prefix, csl_platform::write_at(f, 0, &j, sizeof j), raised_writing, name) &&
                 (!flush || step(prefix, csl_platform::sync(f), raised_writing, name));
    whole = step(prefix, csl_platform::close(f), raised_closing, name) && whole;
    // The journal's name must be durable too before anything is written in place.
    whole = whole &&
            (!flush || step(prefix, csl_platform::sync_directory_of(name), raised_writing, name));
    if (!whole) csl_platform::remove(name);
    return whole;
  }

  // Removing the journal is made durable as well: a journal that came back after
  // a crash would be replayed over what other programs wrote since.
  void discard_journal(const std::string& name) {
    if (csl_platform::remove(name).ok() && durable_) csl_platform::sync_directory_of(name);
  }

  // ---- Batches ----

  // A position's change as a batch holds it until the chunk is written.
  struct pending {
    int position = 0;
    key_record entry;
    item the_item;  // every byte is read or cleared
    bool item_changed = false;
    bool journaled = false;
    bool keep_journal = false;  // a write in place left half done: recovery finishes it
  };

  // The locks of a batch, taken in the order of its positions and released chunk by
  // chunk, the rest on every way out.
  class batch_locks {
   public:
    batch_locks(store& s, std::span<const int> positions_, const lock_policy& policy) {
      names_.reserve(positions_.size());
      csl_platform::lock_file_maker maker;  // the locks are held together
      for (const int p : positions_) {
        std::string name = s.lock_file_name(p);
        const csl_platform::status taken = take_lock(
            name, policy.retries, [&](const std::string& n) { return maker.create_exclusive(n); });
        if (!taken.ok() && policy.timeout == on_lock_timeout::give_up) {
          failure_ = taken;
          refused_at_ = p;
          release_rest();
          return;
        }
        if (!taken.ok()) report_lock_failure(name);  // carried on: held as if taken
        names_.push_back(std::move(name));
      }
    }
    batch_locks(const batch_locks&) = delete;
    batch_locks& operator=(const batch_locks&) = delete;
    ~batch_locks() { release_rest(); }

    bool all_taken() const { return refused_at_ == 0; }
    int refused_at() const { return refused_at_; }
    const csl_platform::status& failure() const { return failure_; }
    // The locks of the next `part.size()` positions.
    void release(std::span<const int> part) {
      for (std::size_t i = 0; i < part.size() && released_ < names_.size(); ++i) {
        unlock(names_[released_++]);
      }
    }

   private:
    void release_rest() {
      while (released_ < names_.size()) unlock(names_[released_++]);
    }
    std::vector<std::string> names_;
    std::size_t released_ = 0;
    int refused_at_ = 0;
    csl_platform::status failure_;
  };

  // The chunk's positions recovered, reread and changed; `changed` holds those
  // whose entry or item the change altered. False, with `result` saying where,
  // when a position could not be read whole.
  template <class Change>
  bool changes_of(std::span<const int> part, Change& change, std::vector<pending>& changed,
                  batch_result& result) {
    changed.clear();
    for (const int p : part) recover(p);
    const bool index_whole = watched_read_index(0, nullptr);
    for (const int p : part) {
      pending& c = changed.emplace_back();
      c.position = p;
      c.entry = header().entry(p);
      if (!index_whole || !read_item(c.the_item, p)) {
        changed.pop_back();
        result.outcome = modify_outcome::unreadable;
        result.position = p;
        result.whole = false;
        return false;
      }
      const item before = c.the_item;
      const bool wanted = change(p, c.entry, c.the_item);
      c.item_changed = wanted && !same_bytes(before, c.the_item);
      if (!wanted || (!c.item_changed && same_bytes(c.entry, header().entry(p)))) {
        changed.pop_back();
      }
    }
    return true;
  }

  // A file made durable through a descriptor of its own: what was written through
  // others is flushed with it.
  static bool flushed(std::string_view prefix, const std::string& name) {
    csl_platform::file f;
    if (!step(prefix, csl_platform::open(name, csl_platform::open_mode::read_only, f),
              raised_opening, name)) {
      return false;
    }
    const bool synced = step(prefix, csl_platform::sync(f), raised_writing, name);
    return step(prefix, csl_platform::close(f), raised_closing, name) && synced;
  }

  // The chunk's journals, then one flush of the file system for all of them and
  // their names. A journal that cannot be written, or a flush that fails, leaves
  // the writes to go ahead without journals, as a single write does.
  void journal_batch(std::vector<pending>& changed) {
    constexpr std::string_view prefix = "csl_database: write_journal ";
    for (pending& c : changed) {
      c.journaled = write_journal(journal_file_name(c.position), c.position, c.entry,
                                  c.item_changed ? &c.the_item : nullptr, false);
    }
    if (step(prefix, csl_platform::sync_file_system_of(file_name_), raised_writing, file_name_)) {
      return;
    }
    for (pending& c : changed) {
      if (c.journaled) csl_platform::remove(journal_file_name(c.position));
      c.journaled = false;
    }
  }

  // One position of a batch written in place, item first, unflushed; as commit
  // does, a journal stays when a write was left half done.
  bool written_in_place(pending& c) {
    written done = written::nothing;
    if (c.item_changed) {
      done = write_item_steps(c.the_item, c.position, false);
      if (done != written::whole) {
        c.keep_journal = done == written::part;
        return false;
      }
    }
    header().entry(c.position) = c.entry;
    const written entry_done = write_entry_steps(c.position, false);
    if (entry_done == written::whole) return true;
    c.keep_journal = done != written::nothing || entry_done == written::part;
    return false;
  }

  // The chunk's journals made durable together, every write in place, one flush
  // of each file, and the journals removed with one flush of their directory.
  // True when every step succeeded.
  bool commit_batch(std::vector<pending>& changed) {
    if (changed.empty()) return true;
    if (durable_) journal_batch(changed);
    bool whole = true;
    for (pending& c : changed) whole = written_in_place(c) && whole;
    if (durable_) {
      // Until both files are durable, every journal is still needed.
      const bool durable = flushed("csl_database: write_item ", file_name_) &&
                           flushed("csl_database: write_index ", index_file_name_);
      if (!durable) return false;
      bool removed = false;
      for (const pending& c : changed) {
        if (!c.journaled || c.keep_journal) continue;
        removed = csl_platform::remove(journal_file_name(c.position)).ok() || removed;
      }
      if (removed) csl_platform::sync_directory_of(file_name_);
    }
    return whole;
  }

  enum class journal_found { none, unfinished, whole };

  // A journal that is there is whole when it holds every byte, names its
  // position and its checksum agrees; anything else was not finished.
  journal_found read_journal(const std::string& name, int position, journal_type& j) {
    constexpr std::string_view prefix = "csl_database: recover ";
    csl_platform::file f;
    const csl_platform::status opened =
        csl_platform::open(name, csl_platform::open_mode::read_only, f);
    if (opened.missing()) return journal_found::none;
    if (!step(prefix, opened, raised_opening, name)) return journal_found::none;
    const bool read =
        step(prefix, csl_platform::read_record(f, 1, &j, sizeof j), raised_reading, name);
    step(prefix, csl_platform::close(f), raised_closing, name);
    if (!read) return journal_found::unfinished;
    const bool valid = j.magic == journal_magic && j.position == position && j.with_item <= 1 &&
                       j.checksum == checksum_of(&j, offsetof(journal_type, checksum));
    return valid ? journal_found::whole : journal_found::unfinished;
  }

  // Writes a whole journal's entry and item in place again; true when done.
  bool replayed(const journal_type& j) {
    if (j.with_item != 0 && write_item_steps(j.the_item, j.position, durable_) != written::whole) {
      return false;
    }
    header().entry(j.position) = j.entry;
    return write_entry_steps(j.position, durable_) == written::whole;
  }

  // At start: the journals that writers left behind, each recovered when its
  // position's lock can be had at once. A journal whose lock is held is left to
  // its holder, or to the next writer of that position.
  void recover_all() {
    const std::size_t slash = file_name_.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : file_name_.substr(0, slash + 1);
    const std::string prefix = file_name_.substr(directory.size()) + "_JOURNAL_ ";
    for (const std::string& n : csl_platform::names_beside(file_name_)) {
      if (n.compare(0, prefix.size(), prefix) != 0) continue;
      int position = 0;
      const auto r = std::from_chars(n.data() + prefix.size(), n.data() + n.size(), position);
      if (r.ec != std::errc{} || position < 1 || position > positions ||
          journal_file_name(position) != directory + n) {
        continue;
      }
      const std::string lock_name = lock_file_name(position);
      if (!csl_platform::create_exclusive(lock_name).ok()) continue;
      recover(position);
      unlock(lock_name);
    }
  }

  static void watch(csl_platform::file& f, std::int64_t offset, std::size_t size, bool* disturbed) {
    if (disturbed != nullptr && f.is_open() && !csl_platform::mark_reading(f, offset, size)) {
      *disturbed = true;
    }
  }

  // Every byte zero: what a failed read hands out. A record's own initialisation
  // need not be all zero (a group may mark its slots with a kind), so it is not
  // used for this.
  static void clear(item& the_item) { std::memset(static_cast<void*>(&the_item), 0, sizeof(item)); }

  template <class T>
  static bool same_bytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
  }

  // Reads into the spare header and makes it current only when the read is whole.
  // A header's first read maps its pages in at once: the read would fault them in
  // one by one, the larger part of opening the database.
  csl_platform::status read_header(csl_platform::file& f) {
    int spare = 1 - current_;
    if (!mapped_[spare]) {
      csl_platform::map_in(&(*headers_)[spare].header, sizeof(header_type));
      mapped_[spare] = true;
    }
    csl_platform::status s =
        csl_platform::read_record(f, 1, &(*headers_)[spare].header, sizeof(header_type));
    if (s.ok()) current_ = spare;
    return s;
  }

  void initialise_item_file() {
    csl_platform::file f;
    csl_platform::status s = csl_platform::open(file_name_, csl_platform::open_mode::read_write, f);
    if (s.missing()) {
      create_item_file();
      return;
    }
    if (!creation_step("csl_database: ", s, raised_opening, file_name_)) return;
    creation_step("csl_database: initialise_item_file ", csl_platform::close(f), raised_closing,
                  file_name_);
  }

  void initialise_index_file() {
    constexpr std::string_view prefix = "csl_database: initialise_index_file ";
    csl_platform::file f;
    csl_platform::status s =
        csl_platform::open(index_file_name_, csl_platform::open_mode::read_write, f);
    if (s.missing()) {
      create_index_file();
      return;
    }
    if (!creation_step(prefix, s, raised_opening, index_file_name_)) return;
    if (!creation_step(prefix, read_header(f), raised_reading, index_file_name_)) return;
    creation_step(prefix, csl_platform::close(f), raised_closing, index_file_name_);
  }

  // A reported step that leaves the store as it is.
  static bool step(std::string_view prefix, const csl_platform::status& s, std::string_view verb,
                   const std::string& name, std::optional<std::int64_t> position = std::nullopt) {
    if (!s.ok()) report(prefix, s, verb, name, position);
    return s.ok();
  }

  // A reported step of opening or creating the files: a failure leaves the store
  // uninitialised, so that later keyed operations refuse to run.
  bool creation_step(std::string_view prefix, const csl_platform::status& s, std::string_view verb,
                     const std::string& name) {
    if (s.ok()) return true;
    report(prefix, s, verb, name);
    db_initialised_ = false;
    return false;
  }

  // At most retries + 1 attempts and retries waits; only a lock file that exists
  // is waited for, any other failure gives up at once.
  template <class Create = csl_platform::status (*)(const std::string&)>
  static csl_platform::status take_lock(const std::string& name, int retries,
                                        Create&& create = csl_platform::create_exclusive) {
    for (int attempt = 0;; ++attempt) {
      const csl_platform::status s = create(name);
      if (s.ok() || !csl_platform::already_exists(s) || attempt >= retries) return s;
      csl_platform::sleep_seconds(lock_wait_seconds);
    }
  }

  static void report_lock_failure(const std::string& name) {
    csl_output::put_line("csl_database: error waiting on lock file " + name +
                         " - carrying on anyway!");
  }

  std::string file_name_;
  std::string index_file_name_;
  const item& (*null_item_)() = nullptr;  // set by start_up, which creation follows
  // The current header and a spare that a read fills before it becomes current.
  // Records of integers and texts only: any bytes, zero included, are a value.
  static_assert(std::is_trivially_copyable_v<header_type>);
  // Each header starts on a page of its own: the kernel copies a read into a
  // buffer that is not 64-byte aligned at half speed on some processors, and the
  // index read is the larger part of a data call.
  struct alignas(4096) header_slot {
    header_type header;
  };
  using header_pair = std::array<header_slot, 2>;
  struct free_storage {
    void operator()(void* p) const { std::free(p); }
  };
  static header_pair* aligned_headers(void* storage) {
    if (storage == nullptr) throw std::bad_alloc();
    std::size_t room = sizeof(header_pair) + alignof(header_pair);
    return static_cast<header_pair*>(
        std::align(alignof(header_pair), sizeof(header_pair), storage, room));
  }
  std::unique_ptr<void, free_storage> storage_;  // zero pages from the allocator
  header_pair* headers_;
  int current_ = 0;
  bool started_ = false;
  std::array<bool, 2> mapped_{};  // whether each header's pages were mapped in
  bool db_initialised_ = false;
  bool durable_ = true;
};

}  // namespace csl_database
