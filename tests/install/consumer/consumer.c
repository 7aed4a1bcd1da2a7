/* A downstream C program: sees only the installed header and library. */
#include <radar_vdb_access.h>
#include <stdio.h>

#if RADAR_VDB_ACCESS_VERSION < 200
#error "the installed header has no version"
#endif

int main(void) {
  adainit();
  Radar_Vdb_Access_Initialise();
  /* A new database: position 1 is empty and reads as zeros. */
  Radar_Vdb_Access_Data_T d = Radar_Vdb_Access_Get_Data_T(1);
  printf("consumer of radar_vdb_access %s: %g %g %g\n", RADAR_VDB_ACCESS_VERSION_STRING,
         d.C200_Length, d.C203_Height, d.C215_Width);
  adafinal();
  return 0;
}
