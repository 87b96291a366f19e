#include "Utilities.h"

#include "Log.h"
#include "SFMT.h"
#include "UserFolders.h"

#include <algorithm>
#include <cassert>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

char tempSprintfString[PATH_BUFFER_SIZE];
bool endianChecked = false;
bool bigEndian = false;
bool alreadySeeded = false;
SFMT generator;
int pinnedTime = 0;

const double kTwoToMinus32 = 1.0 / 4294967296.0;
const double kFullCircle = 6.28318;

template <typename T>
T ReverseBytes(T value)
{
    unsigned char bytes[sizeof(T)];
    memcpy(bytes, &value, sizeof(T));
    for (size_t i = 0; i < sizeof(T) / 2; i++) {
        unsigned char swap = bytes[i];
        bytes[i] = bytes[sizeof(T) - 1 - i];
        bytes[sizeof(T) - 1 - i] = swap;
    }
    memcpy(&value, bytes, sizeof(T));
    return value;
}

// Appends text to the path in buffer; false when it would not fit.
bool AppendPath(char* buffer, const char* text)
{
    size_t used = strlen(buffer);
    size_t extra = strlen(text);
    if (used + extra + 1 > PATH_BUFFER_SIZE) {
        return false;
    }
    memcpy(buffer + used, text, extra + 1);
    return true;
}

// A fresh account, or an override naming a folder not made yet, may lack any
// level of the folder; each is made, and one that exists is no error.
void CreateEveryLevel(char* folder)
{
    for (char* slash = strchr(folder + 1, '/'); slash; slash = strchr(slash + 1, '/')) {
        *slash = '\0';
        CreateNewDirectory(folder);
        *slash = '/';
    }
    CreateNewDirectory(folder);
}

}  // namespace

int GetCurrentTime()
{
    return pinnedTime != 0 ? pinnedTime : static_cast<int>(time(nullptr));
}

void PinCurrentTime(int seconds)
{
    pinnedTime = seconds;
}

double GetTimeDiff(long t1, long t0)
{
    return difftime(static_cast<time_t>(t1), static_cast<time_t>(t0));
}

bool BigEndian()
{
    if (!endianChecked) {
        unsigned short probe = 0;
        unsigned char* bytes = reinterpret_cast<unsigned char*>(&probe);
        bytes[0] = 1;
        bytes[1] = 0;
        bigEndian = probe == 256;
        endianChecked = true;
    }
    return bigEndian;
}

int SwapInt(int value) { return BigEndian() ? ReverseBytes(value) : value; }
float SwapFloat(float value) { return BigEndian() ? ReverseBytes(value) : value; }
unsigned long long SwapULL(unsigned long long value) { return BigEndian() ? ReverseBytes(value) : value; }
bool SwapBool(bool value) { return value; }

long SwapTimeT(long value)
{
    // Stored times are 4 bytes wide whatever the host's long.
    int32_t narrow = static_cast<int32_t>(value);
    return BigEndian() ? ReverseBytes(narrow) : narrow;
}

int StringToInt(const char* text)
{
    // A long is wider than an int here: clamp as a 32-bit strtol would, so a
    // huge number never wraps round to a small one.
    long value = strtol(text, nullptr, 0);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

char* TempSprintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(tempSprintfString, sizeof tempSprintfString, format, args);
    va_end(args);
    return tempSprintfString;
}

void InitRandom(unsigned int seed)
{
    generator.InitGenRand(seed);
}

int GetRandom()
{
    return static_cast<int>(generator.GenRand32());
}

unsigned int SeedRandom()
{
    unsigned int seed;
    if (!alreadySeeded) {
        seed = static_cast<unsigned int>(GetCurrentTime());
        alreadySeeded = true;
    } else {
        seed = generator.GenRand32();
    }
    InitRandom(seed);
    return seed;
}

unsigned int ReseedRandom()
{
    unsigned int seed = static_cast<unsigned int>(GetCurrentTime());
    InitRandom(seed);
    alreadySeeded = true;
    return seed;
}

int RangedRandom(int a, int b)
{
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    const uint32_t span = static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u;
    return static_cast<int>(static_cast<uint32_t>(lo) + generator.GenRand32() % span);
}

float RangedRandom(float a, float b)
{
    const float lo = a < b ? a : b;
    const float hi = a < b ? b : a;
    const double span = static_cast<double>(hi) - static_cast<double>(lo);
    return static_cast<float>(lo + span * (generator.GenRand32() * kTwoToMinus32));
}

double RangedRandom(double a, double b)
{
    const double lo = a < b ? a : b;
    const double hi = a < b ? b : a;
    return generator.GenRand32() * kTwoToMinus32 * (hi - lo) + lo;
}

SFMT& RandomGenerator()
{
    return generator;
}

ranged_span RangedSpan(int a, int b)
{
    const int lo = a < b ? a : b;
    const int hi = a < b ? b : a;
    const uint32_t width = static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo) + 1u;
    assert(width != 0 && "a range of 2^32 numbers has no 32-bit width");
    return ranged_span{static_cast<uint32_t>(lo), width, UINT64_MAX / width + 1};
}

void RandomizeColour(RGBA_data& colour)
{
    colour.r = static_cast<unsigned char>(generator.GenRand32() & 0xff);
    colour.g = static_cast<unsigned char>(generator.GenRand32() & 0xff);
    colour.b = static_cast<unsigned char>(generator.GenRand32() & 0xff);
    colour.a = 255;
}

float GetDist(float x1, float y1, float x2, float y2)
{
    return GetDist(x1 - x2, y1 - y2);
}

float GetDist(float dx, float dy)
{
    return sqrtf(dx * dx + dy * dy);
}

float GetDist(int x1, int y1, int x2, int y2)
{
    return GetDist(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                   static_cast<float>(y2));
}

float NormalizeAngle(float angle)
{
    while (angle > kFullCircle) {
        angle = static_cast<float>(angle - kFullCircle);
    }
    while (angle < 0) {
        angle = static_cast<float>(angle + kFullCircle);
    }
    return angle;
}

float FindAngle(float x1, float y1, float x2, float y2)
{
    return NormalizeAngle(-atan2f(x1 - x2, y1 - y2));
}

int ipow(int base, int exp)
{
    unsigned int result = 1;
    for (int i = 0; i < exp; i++) {
        result *= static_cast<unsigned int>(base);
    }
    return static_cast<int>(result);
}

int Round(float value) { return static_cast<int>(lroundf(value)); }
int NearestInt(float value) { return static_cast<int>(lroundf(value)); }

int SaturatingAdd(int value, int amount)
{
    const long long sum = static_cast<long long>(value) + amount;
    return static_cast<int>(std::min<long long>(std::max<long long>(sum, INT_MIN), INT_MAX));
}

bool RectanglesIntersect(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2)
{
    return !(x1 + w1 < x2 || x1 > x2 + w2 || y1 + h1 < y2 || y1 > y2 + h2);
}

bool PointInRectangle(int px, int py, int x, int y, int w, int h)
{
    return x <= px && px <= x + w && y <= py && py <= y + h;
}

int MaxIndex(const int* values, int n)
{
    int best = 0;
    for (int i = 1; i < n; i++) {
        if (values[i] > values[best]) {
            best = i;
        }
    }
    return best;
}

int MinIndex(const int* values, int n)
{
    int best = 0;
    for (int i = 1; i < n; i++) {
        if (values[i] < values[best]) {
            best = i;
        }
    }
    return best;
}

int MaxValue(const int* values, int n) { return values[MaxIndex(values, n)]; }
int MinValue(const int* values, int n) { return values[MinIndex(values, n)]; }

void PointOnCurve(float_coordinate& out, float t, float_coordinate p0, float_coordinate p1,
                  float_coordinate p2, float_coordinate p3)
{
    const float t2 = t * t;
    const float t3 = t2 * t;
    out.x = 0.5f * ((2 * p1.x) + (p2.x - p0.x) * t + (2 * p0.x - 5 * p1.x + 4 * p2.x - p3.x) * t2 +
                    (3 * p1.x - p0.x - 3 * p2.x + p3.x) * t3);
    out.y = 0.5f * ((2 * p1.y) + (p2.y - p0.y) * t + (2 * p0.y - 5 * p1.y + 4 * p2.y - p3.y) * t2 +
                    (3 * p1.y - p0.y - 3 * p2.y + p3.y) * t3);
}

bool PointInPoly(coordinate p, const coordinate* v, int n)
{
    int winding = 0;
    for (int i = 0; i < n; i++) {
        const coordinate& a = v[i];
        const coordinate& b = v[i + 1];
        const long long side = static_cast<long long>(b.x - a.x) * (p.y - a.y) -
                               static_cast<long long>(p.x - a.x) * (b.y - a.y);
        if (a.y <= p.y && p.y < b.y && side > 0) {
            winding++;
        } else if (b.y <= p.y && p.y < a.y && side < 0) {
            winding--;
        }
    }
    return winding != 0;
}

bool IsMacOS() { return true; }
bool IsWindowsOS() { return false; }
bool IsLinuxOS() { return false; }
bool IsWindowsVista() { return false; }
bool IsWindows2K() { return false; }
bool IsWindows9X() { return false; }

void CreateNewDirectory(const char* path)
{
    mkdir(path, 0777);
}

namespace {

// The file behind fd, opened without waiting, when it is a regular file; it
// then blocks as a file does. Null with errno EINVAL otherwise, fd closed.
FILE* RegularFileOf(int fd, const char* mode)
{
    struct stat info;
    const int status = fcntl(fd, F_GETFL);
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || status == -1 ||
        fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        close(fd);
        errno = EINVAL;
        return nullptr;
    }
    FILE* file = fdopen(fd, mode);
    if (!file) {
        close(fd);
    }
    return file;
}

}  // namespace

FILE* OpenRegularFile(const char* path, bool write)
{
    // Whatever stood under the name goes, unless it is a folder (unlink
    // leaves those), and the file is made new beside it: a link is never
    // followed, so nothing is written outside the folder or into a file
    // that another name shares, and a FIFO left there holds nothing up.
    if (write) {
        unlink(path);
    }
    // Opened without waiting, then looked at: a FIFO with no writer opens at
    // once for reading.
    const int flags = (write ? O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    const int fd = open(path, flags, 0666);
    return fd < 0 ? nullptr : RegularFileOf(fd, write ? "wb" : "rb");
}

FILE* AppendToRegularFile(const char* path)
{
    const int fd = open(path, O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    return fd < 0 ? nullptr : RegularFileOf(fd, "ab");
}

bool WriteFileReplacing(const char* path, const char* bytes, size_t size)
{
    // The old file is replaced only by a whole new one: a full disk or a
    // closed folder leaves it as it was.
    const std::string temporary = std::string(path) + ".TMP";
    FILE* out = OpenRegularFile(temporary.c_str(), true);
    if (!out) {
        return false;
    }
    bool ok = size == 0 || fwrite(bytes, 1, size, out) == size;
    if (fclose(out) != 0) {
        ok = false;
    }
    if (!ok || rename(temporary.c_str(), path) != 0) {
        remove(temporary.c_str());
        return false;
    }
    return true;
}

// Copied in this process, not by a shell's cp: a player's folder or profile
// name holding a quote would otherwise break out of the command and run
// what follows, and a copy cut short would leave a torn backup.
int FileCopy(const char* src, const char* dst)
{
    FILE* in = OpenRegularFile(src, false);
    if (!in) {
        return -1;
    }
    std::string bytes;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) {
        bytes.append(buffer, n);
    }
    const bool read = !ferror(in);
    fclose(in);
    return read && WriteFileReplacing(dst, bytes.data(), bytes.size()) ? 0 : -1;
}

void GetUserDataPath(char* buffer)
{
    // Every caller wants the folder alone; never build on what the buffer held.
    buffer[0] = '\0';
    if (const char* override = UserDataOverride()) {
        if (AppendPath(buffer, override) && (buffer[strlen(buffer) - 1] == '/' || AppendPath(buffer, "/"))) {
            CreateEveryLevel(buffer);
            return;
        }
        // No file can be named inside it, and any other folder would hold
        // saves the player never asked for there. Every file of the folder
        // belongs to the profile, so the game ends as when an override can
        // take no save, with the profile's own words, before anything is
        // read or written anywhere.
        std::string folder = override;
        if (folder.back() != '/') {
            folder += '/';
        }
        errorMessage("Cannot save profile: ", folder.c_str(), true, true);
    }
    // The folder must leave room for the levels below it, or the files would
    // land in a cut-off path.
    const char* const levels[] = {"/", "Brinemark/", "Palmora Data/"};
    size_t room = PATH_BUFFER_SIZE;
    for (const char* level : levels) {
        room -= strlen(level);
    }
    char folder[PATH_BUFFER_SIZE];
    if (!FindUserApplicationDataFolder(folder, room)) {
        snprintf(buffer, PATH_BUFFER_SIZE, "%s", RESOURCE_FOLDER);
        CreateNewDirectory(buffer);
        return;
    }
    CreateEveryLevel(folder);
    AppendPath(buffer, folder);
    for (const char* level : levels) {
        AppendPath(buffer, level);
        CreateNewDirectory(buffer);
    }
}
