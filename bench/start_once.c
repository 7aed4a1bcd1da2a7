/* Starts the library and opens the database named by ACM_VDB_FILE, then ends; with
 * an argument it ends at once, so that the difference of the two runs is the
 * start-up. Both forms load the shared library. */
#include "radar_vdb_access.h"

int main(int argc, char** argv) {
  (void)argv;
  if (argc > 1) return 0;
  adainit();
  Radar_Vdb_Access_Initialise();
  adafinal();
  return 0;
}
