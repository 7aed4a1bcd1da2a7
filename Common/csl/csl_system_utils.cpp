#include "csl_system_utils.hpp"

#include "csl_output.hpp"
#include "csl_platform_process.hpp"

namespace csl_system_utils {

int shell_command(const std::string& command, bool print) {
  if (print) csl_output::put_line("CSL_System_Utils - Shell Command: " + command);
  // The interpreter writes to the same stdout: keep our lines before its output.
  csl_output::flush();
  const int status = csl_platform_process::run_command(command);
  if (status != 0 && print) {
    csl_output::put_line("CSL_System_Utils - Shell Command: can't run: " + command);
  }
  return status;
}

}  // namespace csl_system_utils
