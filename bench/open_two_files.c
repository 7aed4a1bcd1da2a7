/* Baseline for the driver's peak memory: opens the item and index files of the
 * database named by ACM_VDB_FILE, closes them and ends. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(void) {
  const char* base = getenv("ACM_VDB_FILE");
  char index[4096];
  int item_fd, index_fd;
  if (base == NULL) return 2;
  snprintf(index, sizeof index, "%s_INDEX", base);
  item_fd = open(base, O_RDWR);
  index_fd = open(index, O_RDWR);
  if (item_fd >= 0) close(item_fd);
  if (index_fd >= 0) close(index_fd);
  return item_fd >= 0 && index_fd >= 0 ? 0 : 1;
}
