#include "platform/diagnostics.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>

namespace diag {
namespace {

// Bounded multi-producer queue with a sequence number per slot (Vyukov's design):
// producers claim a slot with one compare-and-swap and publish it by storing the
// slot's sequence; the single consumer side is serialised by consumerMutex, which
// only non-audio threads ever take.
struct Slot {
  std::atomic<std::size_t> sequence;
  std::size_t length;
  char text[kMaxLineLength];
};

class LineQueue {
 public:
  LineQueue() {
    for (std::size_t i = 0; i < kQueueCapacity; ++i)
      slots_[i].sequence.store(i, std::memory_order_relaxed);
  }

  bool push(const char* text, std::size_t length) {
    std::size_t position = tail_.load(std::memory_order_relaxed);
    for (;;) {
      Slot& slot = slots_[position % kQueueCapacity];
      const std::size_t sequence = slot.sequence.load(std::memory_order_acquire);
      const auto difference =
          static_cast<std::ptrdiff_t>(sequence) - static_cast<std::ptrdiff_t>(position);
      if (difference == 0) {
        if (tail_.compare_exchange_weak(position, position + 1, std::memory_order_relaxed)) {
          std::memcpy(slot.text, text, length);
          slot.length = length;
          slot.sequence.store(position + 1, std::memory_order_release);
          return true;
        }
      } else if (difference < 0) {
        return false;  // full
      } else {
        position = tail_.load(std::memory_order_relaxed);
      }
    }
  }

  // Consumer side; the caller holds consumerMutex.
  template <typename Sink>
  void drain(Sink&& sink) {
    for (;;) {
      Slot& slot = slots_[head_ % kQueueCapacity];
      if (slot.sequence.load(std::memory_order_acquire) != head_ + 1) return;
      sink(slot.text, slot.length);
      slot.sequence.store(head_ + kQueueCapacity, std::memory_order_release);
      ++head_;
    }
  }

 private:
  std::array<Slot, kQueueCapacity> slots_;
  alignas(64) std::atomic<std::size_t> tail_{0};
  alignas(64) std::size_t head_ = 0;
};

LineQueue& queue() {
  static LineQueue instance;  // constructed on first use; no heap allocation
  return instance;
}

std::atomic<std::uint64_t> dropped{0};
std::mutex consumerMutex;

struct Writer {
  std::mutex controlMutex;
  std::thread thread;
  std::atomic<bool> running{false};
  int users = 0;  // startWriter calls not yet balanced by stopWriter

  // A process may end without anyone stopping the writer (a host that never unloads
  // the module): stop it here, or destroying a joinable thread would abort.
  ~Writer() {
    if (thread.joinable()) {
      running.store(false);
      thread.join();
    }
  }
};
Writer& writer() {
  static Writer instance;
  return instance;
}

void printQueued() {
  std::lock_guard<std::mutex> guard(consumerMutex);
  bool printed = false;
  queue().drain([&](const char* text, std::size_t length) {
    std::fwrite(text, 1, length, stdout);
    printed = true;
  });
  if (printed) std::fflush(stdout);
}

}  // namespace

void write(const char* format, ...) {
  char line[kMaxLineLength];
  va_list arguments;
  va_start(arguments, format);
  const int wanted = std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  if (wanted < 0) return;
  std::size_t length = static_cast<std::size_t>(wanted);
  if (length >= sizeof line) {
    // Cut, but keep the line end the format asked for.
    length = sizeof line - 1;
    if (format[std::strlen(format) - 1] == '\n') line[length - 1] = '\n';
  }
  if (!queue().push(line, length)) dropped.fetch_add(1, std::memory_order_relaxed);
}

std::uint64_t droppedCount() { return dropped.load(std::memory_order_relaxed); }
std::uint64_t takeDroppedCount() { return dropped.exchange(0, std::memory_order_relaxed); }

void flush() { printQueued(); }

std::vector<std::string> takeLines() {
  std::vector<std::string> lines;
  std::lock_guard<std::mutex> guard(consumerMutex);
  queue().drain([&](const char* text, std::size_t length) { lines.emplace_back(text, length); });
  return lines;
}

void startWriter() {
  Writer& w = writer();
  std::lock_guard<std::mutex> guard(w.controlMutex);
  if (++w.users > 1) return;
  w.running.store(true);
  w.thread = std::thread([&w] {
    while (w.running.load(std::memory_order_relaxed)) {
      printQueued();
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
}

void stopWriter() {
  Writer& w = writer();
  std::lock_guard<std::mutex> guard(w.controlMutex);
  if (w.users == 0) return;
  if (--w.users > 0) return;
  w.running.store(false);
  w.thread.join();
  printQueued();
}

}  // namespace diag
