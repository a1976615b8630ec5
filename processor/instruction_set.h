#pragma once
// The instruction sets that the processor's hot loops are built for, and the choice
// among them at run time. Code compiled for AVX2 runs only where avx2Supported();
// every path of a family runs the same IEEE operations in the same order, so all give
// the same bits and the choice changes only the speed.

#include <atomic>

// Whether this processor and operating system run AVX2 code.
bool avx2Supported();

// The member of a family of paths to run on this processor: avx2 where it runs, sse2
// (which every x86-64 processor has) elsewhere. Chosen at the first call without locks
// or allocation, so that call may come from the audio thread; two threads racing there
// store the same value. choice must be constant-initialised to null.
template <class Path>
const Path& chosenPath(std::atomic<const Path*>& choice, const Path& sse2, const Path& avx2) {
  static_assert(std::atomic<const Path*>::is_always_lock_free);
  const Path* path = choice.load(std::memory_order_acquire);
  if (path == nullptr) {
    path = avx2Supported() ? &avx2 : &sse2;
    choice.store(path, std::memory_order_release);
  }
  return *path;
}
