/* Runs a program and prints its peak resident memory in KiB. A process's peak
 * includes the pages it had before exec, which for a child of a large process
 * are that process's own: started from this small one, the figure is the
 * program's. Usage: peak_rss PROGRAM [ARGUMENT...]; the program's standard
 * output is discarded. */
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
  pid_t pid;
  int status = 0;
  struct rusage usage;
  if (argc < 2) {
    fprintf(stderr, "usage: peak_rss PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  pid = fork();
  if (pid < 0) return 1;
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    execv(argv[1], argv + 1);
    _exit(127);
  }
  if (wait4(pid, &status, 0, &usage) != pid) return 1;
  printf("%ld\n", usage.ru_maxrss);
  return WIFEXITED(status) && WEXITSTATUS(status) != 127 ? 0 : 1;
}
