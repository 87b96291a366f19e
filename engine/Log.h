// The log file and error reporting. Failures go through errorMessage, except
// the font system's, which print their own lines; a fatal one ends the
// process with exit code 1 after logging.
#pragma once

// The log lives in the working directory and is reopened for every line, so it
// is complete up to the last message however the program ends.
#define LOG_FILE_NAME "LOG.TXT"
#define PROGRAM_VERSION "1.0M"

// Prints "ERROR!  <text><detail>"; appends it to the log when log is set;
// exits with code 1 (after logging) when fatal is set.
void errorMessage(const char* text, const char* detail, bool fatal, bool log);
void errorMessage(const char* text, bool fatal, bool log);

// Appends one time-stamped line. A log that cannot be opened is reported on
// standard output and the line is dropped; it never ends the program.
void logMessage(const char* text, const char* detail);
void logMessage(const char* text);

// Development timing counters, slots 0 to 9.
void StartProfileCounter(int n);
void PrintProfileCounter(int n);
