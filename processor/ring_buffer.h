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
// Not thread-safe. Allocates only at creation; every operation but clear() and the
// block operations runs in constant time and none locks or waits, so it is fit for
// the audio thread. The per-sample operations are inline with a fast path for the
// ordinary case; misuse takes the out-of-line path that reports it.

#include <algorithm>
#include <cstdint>
#include <memory>

class Ringbuffer {
 public:
  // Allocates and zeroes capacity values (at least one).
  explicit Ringbuffer(std::int32_t capacity);
  ~Ringbuffer();
  Ringbuffer(const Ringbuffer&) = delete;
  Ringbuffer& operator=(const Ringbuffer&) = delete;

  void push(float x) {
    if (count_ < capacity_) {
      storage_[wrap(readIndex_ + count_)] = x;
      ++count_;
    } else {
      pushIntoFullRing(x, false);
    }
  }
  void pushAdd(float x) {
    if (count_ < capacity_) {
      storage_[wrap(readIndex_ + count_)] += x;
      ++count_;
    } else {
      pushIntoFullRing(x, true);
    }
  }
  // Removes and returns the oldest value, leaving 0 in its slot.
  float pop() {
    if (count_ < 1) return popFromEmptyRing();
    float& oldest = storage_[readIndex_];
    const float value = oldest;
    oldest = 0.0f;
    readIndex_ = wrap(readIndex_ + 1);
    --count_;
    return value;
  }
  // The value i places after the oldest; beyond size() whatever the slot holds.
  float peek(std::int32_t i) const {
    return storage_[i >= 0 && i < capacity_ ? wrap(readIndex_ + i) : slot(i)];
  }

  // Block forms of the above for whole frames: the same results as count single
  // calls, without the per-call index arithmetic.
  // out[j] = peek(j) for j < count.
  void peekBlock(double* out, std::int32_t count) const;
  // Two rings filled side by side, read in one pass: take(j, aValues, bValues, length)
  // for the stretches, in order, of first <= j < first + count in which neither ring
  // passes the end of its storage, aValues[i] and bValues[i] being a.peek(j + i) and
  // b.peek(j + i). Reaching beyond the storage, the values go one at a time.
  template <class Take>
  static void peekStretches(const Ringbuffer& a, const Ringbuffer& b, std::int32_t first,
                            std::int32_t count, Take take);
  // push(values[j]) for j < count, in order.
  void pushBlock(const float* values, std::int32_t count);
  // out[j] = pop() for the first min(count, size()) values, which it returns: a
  // block never pops more than the ring holds.
  std::int32_t popBlock(float* out, std::int32_t count);
  // pushAdd(static_cast<float>(values[j] * scale)) for j < count, in order.
  void pushAddBlock(const double* values, std::int32_t count, double scale);
  // count pushAdds of a frame worked on where it goes: add(j, slots, length), for the
  // stretches of j < count in order, adds values j ... j + length - 1 into
  // slots[0 ... length - 1]. Values that run into the oldest go one at a time.
  template <class Add>
  void pushAddStretches(std::int32_t count, Add add);
  // Drops the n oldest values (storage untouched).
  void discard(std::int32_t n);
  // Drops the n newest values: the write position moves back, storage untouched.
  void unwrite(std::int32_t n);
  std::int32_t size() const { return count_; }
  std::int32_t capacity() const { return capacity_; }
  // Empties the ring and zeroes all storage (linear in the capacity).
  void clear();

 private:
  // index + capacity for an index in 0 .. 2 * capacity - 1.
  std::int32_t wrap(std::int32_t index) const {
    return index >= capacity_ ? index - capacity_ : index;
  }
  std::int32_t slot(std::int64_t offsetFromRead) const;
  void pushIntoFullRing(float x, bool add);
  float popFromEmptyRing();
  void setCount(std::int64_t count, const char* underflowLine);

  std::int32_t capacity_;
  std::unique_ptr<float[]> storage_;
  std::int32_t readIndex_ = 0;
  std::int32_t count_ = 0;
};

template <class Take>
void Ringbuffer::peekStretches(const Ringbuffer& a, const Ringbuffer& b, std::int32_t first,
                               std::int32_t count, Take take) {
  if (count <= 0) return;
  const std::int32_t end = first + count;
  if (first < 0 || end > a.capacity_ || end > b.capacity_) {
    for (std::int32_t j = first; j < end; ++j) {
      const float aValue = a.peek(j);
      const float bValue = b.peek(j);
      take(j, &aValue, &bValue, 1);
    }
    return;
  }
  // In each stretch neither ring passes the end of its storage, so both values lie at
  // a fixed offset from j.
  const std::int32_t aWraps = a.capacity_ - a.readIndex_;
  const std::int32_t bWraps = b.capacity_ - b.readIndex_;
  for (std::int32_t j = first; j < end;) {
    const std::int32_t aOffset = j < aWraps ? a.readIndex_ : -aWraps;
    const std::int32_t bOffset = j < bWraps ? b.readIndex_ : -bWraps;
    const std::int32_t stretchEnd =
        std::min({end, j < aWraps ? aWraps : end, j < bWraps ? bWraps : end});
    take(j, a.storage_.get() + j + aOffset, b.storage_.get() + j + bOffset, stretchEnd - j);
    j = stretchEnd;
  }
}

template <class Add>
void Ringbuffer::pushAddStretches(std::int32_t count, Add add) {
  if (count <= 0) return;
  if (count > capacity_ - count_) {
    // Runs into the oldest values: let the single-value path report and handle it.
    // Adding onto -0 gives every value itself, +0 and -0 included.
    for (std::int32_t j = 0; j < count; ++j) {
      float value = -0.0f;
      add(j, &value, 1);
      pushAdd(value);
    }
    return;
  }
  const std::int32_t write = wrap(readIndex_ + count_);
  const std::int32_t first = std::min(count, capacity_ - write);
  add(0, storage_.get() + write, first);
  if (first < count) add(first, storage_.get(), count - first);
  count_ += count;
}
