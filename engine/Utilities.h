// Free helpers used throughout the program: the clock, byte order, a shared
// formatting buffer, random numbers over the one SFMT-19937 generator, small
// geometry, host queries, file copies and the per-user data folder.
#pragma once

#include "SFMT.h"
#include "Types.h"

#include <cstddef>
#include <cstdio>

// The resource folder, relative to the working directory.
#define RESOURCE_FOLDER "Palmora.app/Contents/Resources/"
// Every fixed path and format buffer of the program holds this many bytes.
#define PATH_BUFFER_SIZE 1024

// Time: seconds on the system clock. Time away is measured on it, so a test
// of the way back to an island pins it (0 lets it run again) and the absence
// lasts what the test says, however slowly the machine runs the test.
int GetCurrentTime();
void PinCurrentTime(int seconds);
double GetTimeDiff(long t1, long t0);

// Byte order: every data file is little-endian.
bool BigEndian();
int SwapInt(int value);
float SwapFloat(float value);
long SwapTimeT(long value);
unsigned long long SwapULL(unsigned long long value);
bool SwapBool(bool value);

// Text
int StringToInt(const char* text);
// Formats into one shared 1024-byte buffer (truncated, never overrun); the
// result is valid until the next call.
char* TempSprintf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Random numbers, all drawn from the one shared generator.
void InitRandom(unsigned int seed);
int GetRandom();
unsigned int SeedRandom();
unsigned int ReseedRandom();
int RangedRandom(int a, int b);           // both ends included
float RangedRandom(float a, float b);     // a included, b excluded
double RangedRandom(double a, double b);  // a included, b excluded
void RandomizeColour(RGBA_data& colour);
// The shared generator itself, for a stage that draws its numbers ahead.
SFMT& RandomGenerator();

// One range prepared for many draws: RangedRandom(span, generator) gives what
// RangedRandom(a, b) would from that generator, with a multiplication in
// place of a division (the remainder by a precomputed reciprocal, exact for
// every 32-bit draw and every width below 2^32).
struct ranged_span {
    uint32_t lo;
    uint32_t width;       // hi - lo + 1
    uint64_t reciprocal;  // 2^64 / width, rounded up, modulo 2^64
};
ranged_span RangedSpan(int a, int b);
template <class Generator>  // SFMT, or anything with its GenRand32
inline int RangedRandom(const ranged_span& span, Generator& generator)
{
    const uint64_t fraction = span.reciprocal * generator.GenRand32();
    const uint32_t remainder = static_cast<uint32_t>((static_cast<unsigned __int128>(fraction) * span.width) >> 64);
    return static_cast<int>(span.lo + remainder);
}

// Ownership
// Deletes what pointer owns and leaves it null, so a second unload is harmless.
template <typename T>
inline void DeleteAndClear(T*& pointer)
{
    delete pointer;
    pointer = nullptr;
}

// Geometry
float GetDist(float x1, float y1, float x2, float y2);
float GetDist(float dx, float dy);
float GetDist(int x1, int y1, int x2, int y2);
float NormalizeAngle(float angle);             // into 0..6.28318
float FindAngle(float x1, float y1, float x2, float y2);
int ipow(int base, int exp);
int Round(float value);                        // halves away from zero
// value + amount, held at INT_MIN and INT_MAX instead of wrapping: a counter
// that has run a whole lifetime stops rather than turning negative.
int SaturatingAdd(int value, int amount);
int NearestInt(float value);
bool RectanglesIntersect(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
bool PointInRectangle(int px, int py, int x, int y, int w, int h);
int MaxValue(const int* values, int n);
int MinValue(const int* values, int n);
int MaxIndex(const int* values, int n);
int MinIndex(const int* values, int n);
// Catmull-Rom: t from 0 to 1 runs from p1 to p2.
void PointOnCurve(float_coordinate& out, float t, float_coordinate p0, float_coordinate p1,
                  float_coordinate p2, float_coordinate p3);
// v holds n + 1 points, the last equal to the first.
bool PointInPoly(coordinate p, const coordinate* v, int n);

// Host and files
bool IsMacOS();
bool IsWindowsOS();
bool IsLinuxOS();
bool IsWindowsVista();
bool IsWindows2K();
bool IsWindows9X();
void CreateNewDirectory(const char* path);
// Opens path for reading only when it is a regular file, and never waits: a
// FIFO or a device named like a save would otherwise block until some other
// program opened its other end. For writing, path is a temporary name and
// the file is made new: whatever stands there and is no folder is removed
// first, and no link is followed. Null with errno set otherwise (EINVAL for
// a file that is not regular, EEXIST for a folder under the name).
FILE* OpenRegularFile(const char* path, bool write);
// Opens path for appending, made when missing, only when it is a regular file
// itself: a link under the name is not followed and a FIFO not waited on.
FILE* AppendToRegularFile(const char* path);
// Writes size bytes as path through path + ".TMP", renamed over it once whole;
// false when that fails, with any file already at path left as it was.
bool WriteFileReplacing(const char* path, const char* bytes, size_t size);
// Copies src, a regular file, to dst byte for byte through WriteFileReplacing;
// 0 on success. A failed copy leaves the old dst as it was.
int FileCopy(const char* src, const char* dst);
// Fills buffer (PATH_BUFFER_SIZE bytes) with the user data folder, ending in
// "/", creating each level when missing. An override of the folder that does
// not fit the buffer ends the program, as a folder that cannot take a save.
void GetUserDataPath(char* buffer);
