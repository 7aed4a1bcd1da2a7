#include "csl_platform.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/types.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <utility>

namespace csl_platform {
namespace {

fault_hook& the_fault_hook() {
  static fault_hook hook;
  return hook;
}

sleep_hook& the_sleep_hook() {
  static sleep_hook hook;
  return hook;
}

clock_hook& the_clock_hook() {
  static clock_hook hook;
  return hook;
}

int injected(step s, std::string_view name) {
  const fault_hook& hook = the_fault_hook();
  return hook ? hook(s, name) : 0;
}

status last_error() {
  return status{errno};
}

off_t offset_of(std::int64_t position, std::size_t size) {
  return static_cast<off_t>(position - 1) * static_cast<off_t>(size);
}

int flags_of(open_mode mode) {
  switch (mode) {
    case open_mode::read_only:
      return O_RDONLY;
    case open_mode::write_only:
      return O_WRONLY;
    case open_mode::read_write:
      return O_RDWR;
  }
  return O_RDONLY;
}

}  // namespace

bool status::missing() const {
  return error == ENOENT;
}

std::string status::message() const {
  if (error == short_read_error) return "end of file";
  return std::strerror(error);
}

std::string status::name() const {
  if (error == short_read_error) return "SHORT_READ";
  if (const char* n = strerrorname_np(error)) return n;
  return "ERRNO_" + std::to_string(error);
}

file::~file() {
  if (fd_ >= 0) ::close(fd_);
}

status open(const std::string& name, open_mode mode, file& out) {
  if (int e = injected(step::open, name)) return status{e};
  int fd = ::open(name.c_str(), flags_of(mode) | O_CLOEXEC);
  if (fd < 0) return last_error();
  if (out.fd_ >= 0) ::close(out.fd_);
  out.fd_ = fd;
  out.name_ = name;
  return {};
}

status create(const std::string& name, file& out) {
  if (int e = injected(step::create, name)) return status{e};
  int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return last_error();
  if (out.fd_ >= 0) ::close(out.fd_);
  out.fd_ = fd;
  out.name_ = name;
  return {};
}

status read_record(file& f, std::int64_t position, void* buffer, std::size_t size) {
  if (f.fd_ < 0) return status{EBADF};
  if (int e = injected(step::read, f.name_)) return status{e};
  auto* bytes = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = ::pread(f.fd_, bytes + done, size - done,
                        offset_of(position, size) + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return last_error();
    if (n == 0) return status{short_read_error};
    done += static_cast<std::size_t>(n);
  }
  return {};
}

status write_record(file& f, std::int64_t position, const void* buffer, std::size_t size) {
  return write_at(f, offset_of(position, size), buffer, size);
}

status write_at(file& f, std::int64_t offset, const void* buffer, std::size_t size) {
  if (f.fd_ < 0) return status{EBADF};
  if (int e = injected(step::write, f.name_)) return status{e};
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = ::pwrite(f.fd_, bytes + done, size - done,
                         static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return last_error();
    done += static_cast<std::size_t>(n);
  }
  return {};
}

status close(file& f) {
  if (f.fd_ < 0) return status{EBADF};
  int e = injected(step::close, f.name_);
  int fd = std::exchange(f.fd_, -1);
  if (::close(fd) != 0 && e == 0) return last_error();
  return status{e};
}

status sync(file& f) {
  if (f.fd_ < 0) return status{EBADF};
  if (int e = injected(step::sync, f.name_)) return status{e};
  if (::fdatasync(f.fd_) != 0) return last_error();
  return {};
}

namespace {

std::string directory_of(const std::string& file_name) {
  const std::size_t slash = file_name.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : file_name.substr(0, slash);
}

}  // namespace

namespace {

// Opens the file's directory and flushes through it: fsync for the directory's
// own entries, syncfs for the whole file system it stands on.
status flushed_through_directory_of(const std::string& file_name, int (*flush)(int)) {
  const std::string directory = directory_of(file_name);
  if (int e = injected(step::sync, directory)) return status{e};
  int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return last_error();
  status s;
  if (flush(fd) != 0) s = last_error();
  ::close(fd);
  return s;
}

}  // namespace

status sync_directory_of(const std::string& file_name) {
  return flushed_through_directory_of(file_name, ::fsync);
}

status sync_file_system_of(const std::string& file_name) {
  return flushed_through_directory_of(file_name, ::syncfs);
}

std::vector<std::string> names_beside(const std::string& file_name) {
  std::vector<std::string> names;
  DIR* d = ::opendir(directory_of(file_name).c_str());
  if (d == nullptr) return names;
  while (const dirent* e = ::readdir(d)) names.emplace_back(e->d_name);
  ::closedir(d);
  return names;
}

namespace {

struct flock range_lock(short type, std::int64_t offset, std::size_t size) {
  struct flock l {};
  l.l_type = type;
  l.l_whence = SEEK_SET;
  l.l_start = static_cast<off_t>(offset);
  l.l_len = static_cast<off_t>(size);
  return l;
}

}  // namespace

bool mark_writing(file& f, std::int64_t offset, std::size_t size) {
  if (f.fd_ < 0) return false;
  struct flock l = range_lock(F_WRLCK, offset, size);
  // Readers hold their marks for one read: microseconds, unless the machine is
  // so busy that a reader loses the processor in between. The wait is bounded by
  // the clock, not by a count of attempts, whose sleeps the system lengthens.
  timespec start{};
  ::clock_gettime(CLOCK_MONOTONIC, &start);
  for (;;) {
    if (::fcntl(f.fd_, F_OFD_SETLK, &l) == 0) return true;
    if (errno != EAGAIN && errno != EACCES) return false;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const double waited = static_cast<double>(now.tv_sec - start.tv_sec) +
                          static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e9;
    if (waited >= mark_wait_seconds) return false;
    timespec pause{0, 100000};
    ::nanosleep(&pause, nullptr);
  }
}

bool mark_reading(file& f, std::int64_t offset, std::size_t size) {
  if (f.fd_ < 0) return false;
  struct flock l = range_lock(F_RDLCK, offset, size);
  return ::fcntl(f.fd_, F_OFD_SETLK, &l) == 0;
}

status read_whole(const std::string& name, std::string& content) {
  file f;
  if (status s = open(name, open_mode::read_only, f); !s.ok()) return s;
  if (int e = injected(step::read, name)) return status{e};
  content.clear();
  char buffer[4096];
  for (;;) {
    ssize_t n = ::read(f.fd_, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return last_error();
    if (n == 0) break;
    content.append(buffer, static_cast<std::size_t>(n));
  }
  return close(f);
}

namespace {
status created_new(const std::string& name) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return last_error();
  ::close(fd);
  return {};
}
}  // namespace

status create_exclusive(const std::string& name) {
  if (int e = injected(step::create_exclusive, name)) return status{e};
  return created_new(name);
}

bool already_exists(const status& s) {
  return s.error == EEXIST;
}

lock_file_maker::~lock_file_maker() {
  if (fd_ >= 0) ::close(fd_);
}

status lock_file_maker::create_exclusive(const std::string& name) {
  if (int e = injected(step::create_exclusive, name)) return status{e};
  if (fd_ < 0 && !plain_) {
    // Unnamed until linked, so that nothing is left behind when this process stops.
    const std::size_t slash = name.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : name.substr(0, slash + 1);
    fd_ = ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    plain_ = fd_ < 0;
  }
  if (fd_ >= 0) {
    const std::string shared = "/proc/self/fd/" + std::to_string(fd_);
    if (::linkat(AT_FDCWD, shared.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return {};
    }
    if (errno == EEXIST) return last_error();
    // No /proc, another file system, too many names, or every name made was
    // removed: the file can take no more.
    ::close(fd_);
    fd_ = -1;
    plain_ = true;
  }
  return created_new(name);
}

status remove(const std::string& name) {
  if (int e = injected(step::remove, name)) return status{e};
  if (::unlink(name.c_str()) != 0) return last_error();
  return {};
}

void sleep_seconds(double seconds) {
  if (const sleep_hook& hook = the_sleep_hook()) {
    hook(seconds);
    return;
  }
  double whole = std::floor(seconds);
  timespec wait{static_cast<time_t>(whole), static_cast<long>((seconds - whole) * 1e9)};
  while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

void yield() {
  ::sched_yield();
}

void map_in(void* start, std::size_t size) {
#if defined(MADV_POPULATE_WRITE)
  static const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const auto first = reinterpret_cast<std::uintptr_t>(start) & ~(page - 1);
  const auto end = reinterpret_cast<std::uintptr_t>(start) + size;
  // A failure (an older kernel, a page that cannot be written) changes nothing.
  (void)::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
  (void)start;
  (void)size;
#endif
}

std::optional<std::string> environment_value(const char* variable) {
  const char* value = std::getenv(variable);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

calendar_reading calendar_clock() {
  if (const clock_hook& hook = the_clock_hook()) return hook();
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  // Only a time_t far beyond any calendar fails to split; the epoch stands in.
  if (::localtime_r(&now.tv_sec, &local) == nullptr) return {1970, 1, 1, 0.0};
  double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
                   static_cast<double>(now.tv_nsec) / 1e9;
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, seconds};
}

void set_fault_hook(fault_hook hook) {
  the_fault_hook() = std::move(hook);
}
void set_sleep_hook(sleep_hook hook) {
  the_sleep_hook() = std::move(hook);
}
void set_clock_hook(clock_hook hook) {
  the_clock_hook() = std::move(hook);
}

}  // namespace csl_platform
