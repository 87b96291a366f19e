// How the process takes the signals the system sends it on its own account,
// set once at start-up by the entry point, before any file is written.
#pragma once

// A write past the file-size limit (ulimit -f) would end the process at
// once, leaving a temporary file half-written and nothing in the log; with
// the signal ignored the write fails with EFBIG and is met as a full disk.
void IgnoreFileSizeSignal();
