#pragma once
// Diagnostic lines of the system ("printf-style lines on standard output").
//
// Any thread may write, the audio thread included: a line is formatted on the
// caller's stack into a preallocated lock-free queue. Nothing on the caller's side
// locks, allocates or blocks; a line that finds the queue full is counted as
// dropped. Lines reach standard output when a writer thread is running
// (startWriter) or when a non-audio thread calls flush().

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace diag {

// Longest line kept; longer lines are cut (and still end where the format ended them).
constexpr std::size_t kMaxLineLength = 240;
// Lines that can wait in the queue at once.
constexpr std::size_t kQueueCapacity = 512;

// Formats one line and queues it. Safe on the audio thread. The format is C99's on every
// system (on Windows mingw-w64's own printf, which C++ programs get, not the system's).
void write(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// Lines lost because the queue was full, since start-up or the last takeDroppedCount().
std::uint64_t droppedCount();
std::uint64_t takeDroppedCount();

// Starts a background thread that writes queued lines to standard output every few
// milliseconds; stopWriter() flushes and joins it. Calls nest: the thread runs from the
// first start to the stop that balances it, so a module entered twice (a VST 3 and a
// VST 2 host in one process) keeps writing until both have left. Not for the audio thread.
void startWriter();
void stopWriter();

// Writes every queued line to standard output now. Not for the audio thread.
void flush();

// Removes and returns every queued line without printing it (tests).
std::vector<std::string> takeLines();

}  // namespace diag
