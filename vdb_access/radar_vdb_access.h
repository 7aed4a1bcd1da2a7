/* Read access to the vehicle database for the radar simulation: for a vehicle's
 * position in the database index, its Length, Height and Width in metres.
 *
 * Calling order: adainit once before anything else, then
 * Radar_Vdb_Access_Initialise once, then any number of data calls, and adafinal
 * once at the end. Set "ACM_VDB_FILE" to the database's base name before the
 * program starts; the name is fixed by adainit. Every failure inside the library
 * is reported as one line on standard output and turns into zeros.
 *
 * The header needs C99 or later (bool, uint32_t), or C++. */
#ifndef RADAR_VDB_ACCESS_H
#define RADAR_VDB_ACCESS_H

#if !defined(__cplusplus) && (!defined(__STDC_VERSION__) || __STDC_VERSION__ < 199901L)
#error "radar_vdb_access.h needs C99 or later"
#endif

/* The library's version; the build takes its version from these lines. The
 * shared library's SONAME changes with the major number. */
#define RADAR_VDB_ACCESS_VERSION_MAJOR 0
#define RADAR_VDB_ACCESS_VERSION_MINOR 2
#define RADAR_VDB_ACCESS_VERSION_PATCH 0
#define RADAR_VDB_ACCESS_VERSION_STRING "0.2.0"
/* One number for comparisons: 10000 x major + 100 x minor + patch. */
#define RADAR_VDB_ACCESS_VERSION                                                   \
  (RADAR_VDB_ACCESS_VERSION_MAJOR * 10000 + RADAR_VDB_ACCESS_VERSION_MINOR * 100 + \
   RADAR_VDB_ACCESS_VERSION_PATCH)

#if defined(__GNUC__)
#define RADAR_VDB_ACCESS_API __attribute__((visibility("default")))
#else
#define RADAR_VDB_ACCESS_API
#endif

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Three IEEE single-precision floats, metres, 12 bytes. */
typedef struct Radar_Vdb_Access_Data_T {
  float C200_Length;
  float C203_Height;
  float C215_Width;
} Radar_Vdb_Access_Data_T;

typedef Radar_Vdb_Access_Data_T* Radar_Vdb_Access_Data_P;

/* Starts the library: every module, in dependency order. Call once, first. */
RADAR_VDB_ACCESS_API void adainit(void);

/* Shuts the library down and flushes its output. Call once, last. */
RADAR_VDB_ACCESS_API void adafinal(void);

/* Opens the vehicle database, creating its files when they are missing. */
RADAR_VDB_ACCESS_API void Radar_Vdb_Access_Initialise(void);

/* The dimensions of the vehicle at index position 1 .. 1999, or zeros with a
 * report line (not initialised, out of range, empty entry, file failure). */
RADAR_VDB_ACCESS_API Radar_Vdb_Access_Data_T Radar_Vdb_Access_Get_Data_T(int PassiveParameterIndex);

/* The same in a new record from malloc, which the caller releases with free.
 * Null only when memory is exhausted. */
RADAR_VDB_ACCESS_API Radar_Vdb_Access_Data_P Radar_Vdb_Access_Get_Data_P(int PassiveParameterIndex);

/* Whether diagnostics are switched on (command-line options "-va" and "-vi N.N")
 * for a software identity: its CSCI in bits 28-31 and its TLCSC in bits 24-27.
 * Valid after adainit. */
RADAR_VDB_ACCESS_API bool Verbose(uint32_t id);

#ifdef __cplusplus
}
#endif

#endif /* RADAR_VDB_ACCESS_H */
