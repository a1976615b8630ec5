#pragma once
// A fixed-capacity queue of float samples through which the directivity engine
// gathers input frames and overlap-adds its output.
//
// Beyond push and pop it reads at a distance from the oldest value (peek), drops
// values from either end (discard, unwrite) and adds into a slot instead of
// overwriting it (pushAdd). pop leaves a zero in the slot it empties, so a later
// pushAdd that reaches the slot adds onto silence; unwrite leaves storage as it is, so
// a later pushAdd adds onto what was written there before.
//
// Misuse writes a diagnostic line and the ring carries on in a consistent state:
//  - a push into a full ring ("ringbuffer overflow!!!") writes (or adds) into the
//    slot of the oldest value, which is dropped, so the ring stays full and in order;
//  - pop from an empty ring ("Ringbuffer: popped too much... illegal access!")
//    returns what the slot holds and leaves the ring empty;
//  - discard or unwrite of more than the ring holds ("Ringbuffer: cleared more than
//    it had... illegal access!") leaves it empty.
// Every index is reduced into the storage, whatever peek, discard or unwrite are given.
//
// Not thread-safe. Allocates only at creation; every operation but clear() runs in
// constant time and none locks or waits, so it is fit for the audio thread.

#include <cstdint>
#include <memory>

class Ringbuffer {
 public:
  // Allocates and zeroes capacity values (at least one).
  explicit Ringbuffer(std::int32_t capacity);
  ~Ringbuffer();
  Ringbuffer(const Ringbuffer&) = delete;
  Ringbuffer& operator=(const Ringbuffer&) = delete;

  void push(float x);
  void pushAdd(float x);
  // Removes and returns the oldest value, leaving 0 in its slot.
  float pop();
  // The value i places after the oldest; beyond size() whatever the slot holds.
  float peek(std::int32_t i) const;
  // Drops the n oldest values (storage untouched).
  void discard(std::int32_t n);
  // Drops the n newest values: the write position moves back, storage untouched.
  void unwrite(std::int32_t n);
  std::int32_t size() const { return count_; }
  std::int32_t capacity() const { return capacity_; }
  // Empties the ring and zeroes all storage (linear in the capacity).
  void clear();

 private:
  std::int32_t slot(std::int64_t offsetFromRead) const;
  float& writeSlot();
  void afterWrite();
  void setCount(std::int64_t count, const char* underflowLine);

  std::int32_t capacity_;
  std::unique_ptr<float[]> storage_;
  std::int32_t readIndex_ = 0;
  std::int32_t count_ = 0;
};
