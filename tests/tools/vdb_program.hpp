// Runs the built vdb program as a separate process in a given directory and
// gives back its exit code and what it wrote on standard output and standard
// error, kept apart.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace vdb_program {

struct outcome {
  int exit_code = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

inline std::string contents_of(FILE* f) {
  std::string text;
  std::rewind(f);
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
  return text;
}

// The program with its arguments, in `directory`; "ACM_VDB_FILE" is set to
// `base` when given and removed otherwise.
inline outcome run(const std::string& program, const std::vector<std::string>& args,
                   const std::string& directory,
                   const std::optional<std::string>& base = std::nullopt) {
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  if (out == nullptr || err == nullptr) std::abort();
  std::fflush(stdout);
  std::fflush(stderr);
  const pid_t pid = ::fork();
  if (pid < 0) std::abort();
  if (pid == 0) {
    ::dup2(::fileno(out), STDOUT_FILENO);
    ::dup2(::fileno(err), STDERR_FILENO);
    if (::chdir(directory.c_str()) != 0) ::_exit(127);
    if (base) ::setenv("ACM_VDB_FILE", base->c_str(), 1);
    if (!base) ::unsetenv("ACM_VDB_FILE");
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  outcome o;
  o.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  o.out = contents_of(out);
  o.err = contents_of(err);
  std::fclose(out);
  std::fclose(err);
  return o;
}

}  // namespace vdb_program
