// Runs code in a forked child and returns what it printed on standard output, so
// that each test sees the library's process-wide state fresh from start-up.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace child_process {

struct result {
  std::string output;
  int status = -1;
};

template <class F>
result run(F&& f) {
  std::fflush(stdout);
  int fds[2];
  if (::pipe(fds) != 0) std::abort();
  const pid_t pid = ::fork();
  if (pid < 0) std::abort();
  if (pid == 0) {
    ::close(fds[0]);
    ::dup2(fds[1], STDOUT_FILENO);
    ::close(fds[1]);
    f();
    std::fflush(stdout);
    ::_exit(0);
  }
  ::close(fds[1]);
  result r;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
    r.output.append(buffer, static_cast<std::size_t>(n));
  ::close(fds[0]);
  ::waitpid(pid, &r.status, 0);
  return r;
}

// A whole command's standard output.
inline std::string output_of_command(const std::string& command) {
  std::string output;
  FILE* p = ::popen(command.c_str(), "r");
  if (p == nullptr) return output;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, p)) > 0;) output.append(buffer, n);
  ::pclose(p);
  return output;
}

}  // namespace child_process
