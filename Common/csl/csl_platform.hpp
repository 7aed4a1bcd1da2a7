// The thin layer between the library and the operating system: positioned record
// files, exclusive creation and deletion of lock files, sleeping, the environment.
// File failures come back as a status holding the errno; the store prints them.
// Tests install a fault hook to make any step fail, because permission bits do not
// stop root.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace csl_platform {

// A read that found the end of the file before the whole record.
inline constexpr int short_read_error = -1;

struct status {
  int error = 0;  // 0, an errno value, or short_read_error

  bool ok() const { return error == 0; }
  // The file (or a directory on its path) does not exist.
  bool missing() const;
  // Short text of the failure, as the C library words it.
  std::string message() const;
  // The failure's symbolic name: "ENOENT", "EACCES", ..., "SHORT_READ".
  std::string name() const;
};

enum class open_mode { read_only, write_only, read_write };

// An open record file. Closing is an explicit step with its own status; a file
// still open when the object dies is closed silently.
class file {
 public:
  file() = default;
  file(const file&) = delete;
  file& operator=(const file&) = delete;
  ~file();

  bool is_open() const { return fd_ >= 0; }

 private:
  friend status open(const std::string&, open_mode, file&);
  friend status create(const std::string&, file&);
  friend status read_record(file&, std::int64_t, void*, std::size_t);
  friend status write_record(file&, std::int64_t, const void*, std::size_t);
  friend status write_at(file&, std::int64_t, const void*, std::size_t);
  friend status close(file&);
  friend status read_whole(const std::string&, std::string&);
  friend bool mark_writing(file&, std::int64_t, std::size_t);
  friend bool mark_reading(file&, std::int64_t, std::size_t);
  friend status sync(file&);

  int fd_ = -1;
  std::string name_;
};

// Opens an existing file; never creates one.
status open(const std::string& name, open_mode mode, file& out);
// Creates the file for reading and writing, replacing any file of that name.
status create(const std::string& name, file& out);
// Record `position` (1-based) of `size` bytes lies at byte (position - 1) * size.
status read_record(file& f, std::int64_t position, void* buffer, std::size_t size);
status write_record(file& f, std::int64_t position, const void* buffer, std::size_t size);
// Writes bytes at a byte offset, for a part of a record.
status write_at(file& f, std::int64_t offset, const void* buffer, std::size_t size);
status close(file& f);
// Makes what was written to the file durable: on disk when this returns.
status sync(file& f);
// Makes the directory holding a file durable, so that a file created or removed
// there stays created or removed after a crash.
status sync_directory_of(const std::string& file_name);
// Makes everything written to the file system holding `file_name`'s directory
// durable, in one request: a batch of writes to many files costs one flush rather
// than one each.
status sync_file_system_of(const std::string& file_name);
// The names (without their directory) of the files in the directory that holds
// `file_name`; none when the directory cannot be read.
std::vector<std::string> names_beside(const std::string& file_name);

// Byte-range marks between processes of this library, held by an open file until
// it is closed: a writer marks the bytes it is about to write, a reader the bytes it
// is about to read, and neither mark can be had while the other is held. The files
// and the lock files are unchanged, and programs that do not use the marks are not
// affected. A writer waits for readers to finish (each holds its mark for one
// read), but at most mark_wait_seconds, so that a stopped reader, or another
// program holding a read lock on the file, cannot hold writers up; then it goes on
// unmarked. A reader never waits. False when the mark could not be had.
inline constexpr double mark_wait_seconds = 0.1;
bool mark_writing(file& f, std::int64_t offset, std::size_t size);
bool mark_reading(file& f, std::int64_t offset, std::size_t size);

// The whole content of a small file (open, read to the end, close).
status read_whole(const std::string& name, std::string& content);

// Creates an empty file only if none of that name exists, atomically: of several
// processes trying at once exactly one succeeds. The file is left closed.
status create_exclusive(const std::string& name);
// The failure of create_exclusive that means another holds the file.
bool already_exists(const status& s);

// Exclusive creation of many lock files that are held together: each is a further
// name of one empty file, made when the first is needed, so that no file is
// allocated per lock. ext4 without a journal, allocating a file, passes over every
// file freed in the last half minute: while other programs create and remove files,
// each lock file could cost a millisecond. A name is taken exactly as
// create_exclusive takes it (it fails when the name exists). Where the system
// cannot make such names (no unnamed files, no /proc, another file system), each is
// created by create_exclusive. The names share their file's times: those of the
// first.
class lock_file_maker {
 public:
  lock_file_maker() = default;
  ~lock_file_maker();  // the names made stay
  lock_file_maker(const lock_file_maker&) = delete;
  lock_file_maker& operator=(const lock_file_maker&) = delete;

  status create_exclusive(const std::string& name);

 private:
  int fd_ = -1;
  bool plain_ = false;  // names are made by create_exclusive
};
status remove(const std::string& name);

void sleep_seconds(double seconds);
// Lets another process run before this one goes on.
void yield();

// Maps in, in one request, fresh memory that is about to be written whole, rather
// than a page fault per page as the writing reaches it (on Linux this costs about
// a third less). Only a hint: where the system cannot, the pages fault in as usual.
void map_in(void* start, std::size_t size);

std::optional<std::string> environment_value(const char* variable);

// The calendar clock in local time: the date and the seconds since midnight
// (0.0 .. 86400.0, with the fraction the clock gives).
struct calendar_reading {
  int year = 0;
  int month = 0;  // 1 .. 12
  int day = 0;    // day of the month, 1 .. 31
  double seconds = 0.0;
};
calendar_reading calendar_clock();

// Fault injection for tests. The hook sees every file step before it happens and
// returns 0 to let it run, or the error to report instead (a closing step still
// releases the descriptor). The sleep hook replaces the real sleep, the clock hook
// the calendar clock.
enum class step { open, create, create_exclusive, read, write, close, remove, sync };
using fault_hook = std::function<int(step, std::string_view file_name)>;
using sleep_hook = std::function<void(double seconds)>;
using clock_hook = std::function<calendar_reading()>;
void set_fault_hook(fault_hook hook);
void set_sleep_hook(sleep_hook hook);
void set_clock_hook(clock_hook hook);

}  // namespace csl_platform
