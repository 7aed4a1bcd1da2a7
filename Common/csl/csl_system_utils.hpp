// Shell commands through the C library's command interpreter.
#pragma once

#include <string>

namespace csl_system_utils {

// Runs the command and returns the interpreter's status unchanged (0 for success);
// with print, the command and any failure are reported.
int shell_command(const std::string& command, bool print);

}  // namespace csl_system_utils
