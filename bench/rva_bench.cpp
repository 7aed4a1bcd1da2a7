// Speed and memory of the library against the bare system calls of its protocol,
// measured in one run, each figure printed with its target:
//  - one data call against the calls a reader must make (probe the lock file, create
//    it exclusively, read the whole index, read one item, remove the lock);
//  - creating a database on an empty directory against dd writing the same bytes in
//    12864-byte blocks;
//  - start-up and initialisation (in a fresh process) against one data call;
//  - the driver's peak resident memory over a whole sweep against a C program that
//    only opens the two files;
//  - vdb dump and vdb load of a full database: seconds and peak memory;
//  - vdb serve on a full database: the database page and a vehicle page, each
//    with the JSON it asks for, as a browser fetches them.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#ifdef RVA_VDB
#include <httplib.h>
#include <signal.h>
#endif

#include "radar_vdb_access.h"
#include "sm_model_vehicle.hpp"
#include "sm_model_vehicle_database.hpp"

namespace {

constexpr std::size_t item_size = 12864;
constexpr std::size_t index_size = 120044;
constexpr int position = 1991;

std::string& work_dir() {
  static std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "rva_bench_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    return pattern;
  }();
  return dir;
}

std::string base() {
  return work_dir() + "/vehicle_db";
}

// Output of the library during set-up is not part of any figure.
template <class F>
void quietly(F&& f) {
  std::fflush(stdout);
  const int saved = ::dup(1);
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, 1);
  f();
  std::fflush(stdout);
  ::dup2(saved, 1);
  ::close(null);
  ::close(saved);
}

// The sample database, written through the store, and the library started on it.
void prepare() {
  static bool done = false;
  if (done) return;
  done = true;
  setenv("ACM_VDB_FILE", base().c_str(), 1);
  quietly([] {
    adainit();
    Radar_Vdb_Access_Initialise();
    sm_model_vehicle::data d = sm_model_vehicle::default_();
    d.general.set_is_valid(true);
    d.general.set_permanence(sm_model_vehicle_kind::perm);
    d.general.library_number = 995;
    d.physical.c200 = csl_length::distance(150.0F);
    sm_model_vehicle_database::update(d);
  });
}

// The same protocol with nothing but the system calls.
class bare_protocol {
 public:
  bare_protocol()
      : item_(base()),
        index_(base() + "_INDEX"),
        lock_(base() + "_LOCK_ 1991"),
        header_(new aligned_buffer),
        record_(new aligned_buffer) {}

  void read_once() {
    int l = ::open(lock_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    ::close(l);
    int x = ::open(index_.c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(::pread(x, header_->bytes, index_size, 0));
    ::close(x);
    int i = ::open(item_.c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(::pread(i, record_->bytes, item_size, (position - 1) * item_size));
    ::close(i);
    ::unlink(lock_.c_str());
  }

 private:
  // Page-aligned, as the library's own buffers: the kernel copies into a buffer
  // that is not 64-byte aligned at half speed on some processors.
  struct alignas(4096) aligned_buffer {
    char bytes[index_size];
  };
  std::string item_, index_, lock_;
  std::unique_ptr<aligned_buffer> header_, record_;
};

// The seconds of each data call and of each pass of the bare protocol, over every
// repetition. Figures are medians: this machine stalls now and then for hundreds
// of microseconds, and a mean carries every stall into the figure.
struct paired_seconds {
  std::vector<double> call;
  std::vector<double> bare;
};
paired_seconds paired;

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

double seconds_now() {
  timespec t{};
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One data call and one pass of the bare protocol in each iteration, in turns, so
// that both see the same machine: this machine's load changes from second to
// second, and figures measured a second apart differ by more than the 10 % asked.
// Which of the two goes first alternates: creating a file just after another was
// removed costs the file system more than creating it a little later (ext4 skips
// recently freed inodes), and a fixed order would charge that to one side only.
void data_call_against_bare_calls(benchmark::State& state) {
  prepare();
  bare_protocol bare;
  bool call_first = true;
  const auto timed = [](auto&& f) {
    const double t0 = seconds_now();
    f();
    return seconds_now() - t0;
  };
  const auto call = [] { benchmark::DoNotOptimize(Radar_Vdb_Access_Get_Data_T(position)); };
  const auto floor = [&bare] { bare.read_once(); };
  for (auto _ : state) {
    if (call_first) {
      paired.call.push_back(timed(call));
      paired.bare.push_back(timed(floor));
    } else {
      paired.bare.push_back(timed(floor));
      paired.call.push_back(timed(call));
    }
    call_first = !call_first;
  }
}

// One update of position 1991 with its journal and flushes, or as two plain
// writes in place: what durability costs a write.
void update_of(benchmark::State& state, bool durable) {
  prepare();
  sm_model_vehicle_database::store& db = sm_model_vehicle_database::instance();
  sm_model_vehicle::data d = sm_model_vehicle_database::item_of(
      sm_model_vehicle_kind::create(995, sm_model_vehicle_kind::perm));
  db.set_durable(durable);
  float length = 150.0F;
  for (auto _ : state) {
    length = length == 150.0F ? 151.0F : 150.0F;
    d.physical.c200 = csl_length::distance(length);
    db.update(d);
  }
  db.set_durable(true);
}
void durable_update(benchmark::State& state) {
  update_of(state, true);
}
void plain_update(benchmark::State& state) {
  update_of(state, false);
}

void create_database(benchmark::State& state) {
  prepare();
  const std::string fresh = work_dir() + "/created";
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(fresh);
    std::filesystem::remove(fresh + "_INDEX");
    sm_model_vehicle_database::store db;
    db.start_up(fresh, sm_model_vehicle::default_);
    state.ResumeTiming();
    quietly([&] { db.initialise(); });
  }
}

void dd_same_bytes(benchmark::State& state) {
  const std::string command = "dd if=/dev/zero of='" + work_dir() +
                              "/dd_file' bs=12864 count=2000 status=none && dd if=/dev/zero of='" +
                              work_dir() + "/dd_index' bs=120044 count=1 status=none";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("dd failed");
  }
}

// Start-up needs a fresh process. The child times adainit and Initialise itself
// and writes the nanoseconds to descriptor 3. It is also run against the same
// program ending at once (it loads the library too), so that their difference
// shows what start-up adds to a whole process, exit included. Each iteration runs
// both, in turns, for the reason the data call is paired with the bare calls.
struct start_seconds {
  std::vector<double> inside;  // adainit and Initialise, timed by the child
  std::vector<double> added;   // the whole process less the one that only loads
};
start_seconds starts;

// Runs the child; returns its wall time and, when asked, what it timed itself.
double run_start_once(bool start, double* inside) {
  int report[2] = {-1, -1};
  if (start && ::pipe2(report, O_CLOEXEC) != 0) return -1;
  const double t0 = seconds_now();
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    if (start) ::dup2(report[1], 3);
    ::execl(RVA_START_ONCE, RVA_START_ONCE, start ? static_cast<char*>(nullptr) : "no",
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::waitpid(pid, nullptr, 0);
  const double wall = seconds_now() - t0;
  if (start) {
    ::close(report[1]);
    char text[32] = {};
    const ssize_t n = ::read(report[0], text, sizeof text - 1);
    ::close(report[0]);
    *inside = n > 0 ? std::strtod(text, nullptr) * 1e-9 : -1;
  }
  return wall;
}

void start_up_against_empty_child(benchmark::State& state) {
  prepare();
  for (auto _ : state) {
    double inside = 0;
    const double started = run_start_once(true, &inside);
    const double empty = run_start_once(false, nullptr);
    if (started < 0 || inside < 0) {
      state.SkipWithError("the start-up child did not report");
      break;
    }
    starts.inside.push_back(inside);
    starts.added.push_back(started - empty);
  }
}

BENCHMARK(data_call_against_bare_calls);
BENCHMARK(durable_update)->Unit(benchmark::kMicrosecond);
BENCHMARK(plain_update)->Unit(benchmark::kMicrosecond);
BENCHMARK(create_database)->Unit(benchmark::kMillisecond);
BENCHMARK(dd_same_bytes)->Unit(benchmark::kMillisecond);
BENCHMARK(start_up_against_empty_child)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's seconds per iteration: the median of its repetitions when
// it was repeated (this machine is noisy), else its one run.
class collecting_reporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      const std::string name = r.run_name.function_name;
      const double per_iteration = r.real_accumulated_time / static_cast<double>(r.iterations);
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
        seconds[name] = per_iteration;
        medians[name] = true;
      } else if (r.run_type == Run::RT_Iteration && !medians[name]) {
        seconds[name] = per_iteration;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
  std::map<std::string, bool> medians;
};

// Peak resident memory of a command run with the sample database, in KiB. A
// child's peak counts the pages it had before exec, which for a child of this
// benchmark are the benchmark's own; the small peak_rss program runs the command
// instead and prints the figure.
long peak_kib(const std::vector<std::string>& command) {
  int report[2] = {-1, -1};
  if (::pipe2(report, O_CLOEXEC) != 0) return -1;
  std::vector<char*> argv = {const_cast<char*>(RVA_PEAK_RSS)};
  for (const std::string& a : command) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(report[1], 1);
    ::execv(RVA_PEAK_RSS, argv.data());
    ::_exit(127);
  }
  ::close(report[1]);
  char text[32] = {};
  const ssize_t n = ::read(report[0], text, sizeof text - 1);
  ::close(report[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  const bool ok = n > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return ok ? std::strtol(text, nullptr, 10) : -1;
}

long peak_kib(const char* program, const char* argument) {
  std::vector<std::string> command = {program};
  if (argument != nullptr) command.emplace_back(argument);
  return peak_kib(command);
}

#ifdef RVA_VDB
// A full database: a vehicle at each of the 2000 positions, written plainly.
std::string full_database() {
  const std::string full = work_dir() + "/full";
  sm_model_vehicle_database::store db;
  db.start_up(full, sm_model_vehicle::default_);
  quietly([&] { db.initialise(); });
  db.set_durable(false);
  for (int p = 1; p <= 2000; ++p) {
    sm_model_vehicle::data d = sm_model_vehicle::default_();
    d.general.set_is_valid(true);
    d.general.set_permanence(p % 2 == 1 ? sm_model_vehicle_kind::perm
                                        : sm_model_vehicle_kind::temp);
    d.general.library_number = (p - 1) / 2;
    d.physical.c200 = csl_length::distance(100.0F + static_cast<float>(p) / 8.0F);
    db.update(d);
  }
  return full;
}

// vdb dump of the full database and vdb load of that dump into a new one: the
// seconds (the median of three) and the peak memory of each.
void dump_and_load_figures() {
  const std::string full = full_database();
  const std::string dumped = work_dir() + "/full.jsonl";
  const std::string loaded = work_dir() + "/loaded";
  std::vector<double> dump_s, load_s;
  long dump_kib = 0, load_kib = 0;
  for (int round = 0; round < 3; ++round) {
    std::filesystem::remove(loaded);
    std::filesystem::remove(loaded + "_INDEX");
    double t0 = seconds_now();
    dump_kib = std::max(dump_kib, peak_kib({RVA_VDB, "--db", full, "dump", "-o", dumped}));
    dump_s.push_back(seconds_now() - t0);
    t0 = seconds_now();
    load_kib = std::max(load_kib, peak_kib({RVA_VDB, "--db", loaded, "load", dumped}));
    load_s.push_back(seconds_now() - t0);
  }
  std::printf("vdb dump of a full database: %.2f s, peak %ld KiB (target at most 2 s and 64 MiB)\n",
              median(dump_s), dump_kib);
  std::printf("vdb load of it: %.2f s, peak %ld KiB (target at most 3 s and 64 MiB)\n",
              median(load_s), load_kib);
}

// vdb serve on the database, answering on the port it prints; stopped as Ctrl-C
// stops it when this goes.
class served {
 public:
  explicit served(const std::string& db) {
    int out[2] = {-1, -1};
    if (::pipe2(out, O_CLOEXEC) != 0) std::abort();
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], 1);
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 2);
      ::execl(RVA_VDB, RVA_VDB, "--db", db.c_str(), "serve", "--port", "0", nullptr);
      ::_exit(127);
    }
    ::close(out[1]);
    std::string line;
    for (char c = 0; ::read(out[0], &c, 1) == 1 && c != '\n';) line += c;
    ::close(out[0]);
    // "http://127.0.0.1:PORT/?token=..."
    const std::size_t colon = line.rfind(':');
    port_ = colon == std::string::npos ? 0 : std::atoi(line.c_str() + colon + 1);
  }
  ~served() {
    ::kill(pid_, SIGINT);
    int status = 0;
    ::waitpid(pid_, &status, 0);
  }
  served(const served&) = delete;
  served& operator=(const served&) = delete;
  int port() const { return port_; }

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

// The median seconds of fetching the paths one after another, as one page load,
// over a fresh connection each time as a browser's first visit makes it.
double page_seconds(int port, const std::vector<std::string>& paths) {
  std::vector<double> rounds;
  for (int round = 0; round < 15; ++round) {
    httplib::Client client("127.0.0.1", port);
    const double t0 = seconds_now();
    for (const std::string& path : paths) {
      // A browser's header: the server may compress what it sends.
      const auto r = client.Get(path, {{"Accept-Encoding", "gzip, deflate, br"}});
      if (!r || r->status != 200) return -1;
      benchmark::DoNotOptimize(r->body.size());
    }
    rounds.push_back(seconds_now() - t0);
  }
  return median(rounds);
}

void serve_figures() {
  const served server(work_dir() + "/full");
  if (server.port() == 0) return;
  const double database =
      page_seconds(server.port(), {"/", "/app.js", "/style.css", "/api/database"});
  const double vehicle = page_seconds(
      server.port(), {"/vehicle.html?position=1000", "/plots.js", "/app.js", "/api/vehicle/1000"});
  std::printf("vdb serve, database page of a full database: %.1f ms (target at most 300 ms)\n",
              database * 1e3);
  std::printf("vdb serve, vehicle page: %.1f ms (target at most 100 ms)\n", vehicle * 1e3);
}
#endif

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  collecting_reporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto& s = reporter.seconds;
  const double call = median(paired.call);
  const double floor = median(paired.bare);
  const double created = s["create_database"], dd = s["dd_same_bytes"];
  const double start = median(starts.inside);
  const double whole = median(starts.added);
  const long driver = peak_kib(RVA_DRIVER, "sweep"),
             baseline = peak_kib(RVA_OPEN_TWO_FILES, nullptr);
  std::printf("\n");
  std::printf("data call: %.1f us, bare calls %.1f us: %.2f x (target at most 1.10)\n", call * 1e6,
              floor * 1e6, call / floor);
  std::printf("update with journal and flushes: %.1f us, without: %.1f us: %.1f x\n",
              s["durable_update"] * 1e6, s["plain_update"] * 1e6,
              s["durable_update"] / s["plain_update"]);
  std::printf("create database: %.1f ms, dd %.1f ms: %.2f x (target at most 1.5)\n", created * 1e3,
              dd * 1e3, created / dd);
  std::printf("start-up and initialise: %.1f us: %.1f data calls (target at most 10)\n",
              start * 1e6, start / call);
  std::printf("  what they add to a whole process, exit included: %.1f us: %.1f data calls\n",
              whole * 1e6, whole / call);
  std::printf(
      "driver sweep peak memory: %ld KiB, open-only program %ld KiB: %.2f MiB above (target under "
      "4)\n",
      driver, baseline, static_cast<double>(driver - baseline) / 1024.0);
#ifdef RVA_VDB
  dump_and_load_figures();
  serve_figures();
#endif
  std::filesystem::remove_all(work_dir());
  benchmark::Shutdown();
  return 0;
}
