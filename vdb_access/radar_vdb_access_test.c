/* End-to-end exercise of the radar access library through its C interface. It
 * prints what it gets and checks nothing: its output is the evidence. With any
 * argument it also sweeps every index position from 0 to 2009. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "radar_vdb_access.h"

_Static_assert(sizeof(Radar_Vdb_Access_Data_T) == 12, "three floats, no padding");

/* Copies the pointer form's record and releases it. */
static Radar_Vdb_Access_Data_T take(Radar_Vdb_Access_Data_P myInfo_P) {
  Radar_Vdb_Access_Data_T myInfo_T = {0.0f, 0.0f, 0.0f};
  if (myInfo_P != NULL) {
    memcpy(&myInfo_T, myInfo_P, sizeof myInfo_T);
    free(myInfo_P);
  }
  return myInfo_T;
}

int main(int argc, char** argv) {
  Radar_Vdb_Access_Data_T myInfo_T;
  int i;
  (void)argv;

  printf("\nradar_vdb_access_test: C start...\n");
  printf("\nradar_vdb_access_test: Ada starting...\n");
  adainit();
  printf("\nradar_vdb_access_test: Ada started\n");

  printf("\nradar_vdb_access_test: Expect Fail...\n");
  myInfo_T = take(Radar_Vdb_Access_Get_Data_P(1));
  printf("radar_vdb_access_test: Fail Length=%f\n", myInfo_T.C200_Length);
  printf("radar_vdb_access_test: Fail Height=%f\n", myInfo_T.C203_Height);
  printf("radar_vdb_access_test: Fail Width=%f\n", myInfo_T.C215_Width);

  Radar_Vdb_Access_Initialise();

  printf("\nradar_vdb_access_test: Expect Success Pointer Method... values roughly 150, 30, 13\n");
  myInfo_T = take(Radar_Vdb_Access_Get_Data_P(1991));
  printf("radar_vdb_access_test: Subtest Length=%f\n", myInfo_T.C200_Length);
  printf("radar_vdb_access_test: Subtest Height=%f\n", myInfo_T.C203_Height);
  printf("radar_vdb_access_test: Subtest Width=%f\n", myInfo_T.C215_Width);

  printf("\nradar_vdb_access_test: Expect Success - Structure Method... values <secret>\n");
  myInfo_T = Radar_Vdb_Access_Get_Data_T(7);
  printf("radar_vdb_access_test: Echo II Length=%f\n", myInfo_T.C200_Length);
  printf("radar_vdb_access_test: Echo II Height=%f\n", myInfo_T.C203_Height);
  printf("radar_vdb_access_test: Echo II Width=%f\n", myInfo_T.C215_Width);

  if (argc > 1) {
    for (i = 0; i <= 2009; i++) {
      myInfo_T = take(Radar_Vdb_Access_Get_Data_P(i));
      printf("radar_vdb_access_test: Vehicle %d: Length=%f, Height=%f, Width=%f\n", i,
             myInfo_T.C200_Length, myInfo_T.C203_Height, myInfo_T.C215_Width);
    }
  }

  adafinal();
  printf("\nradar_vdb_access_test: Ada ended.\n");
  return 0;
}
