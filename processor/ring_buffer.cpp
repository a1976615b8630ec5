#include "processor/ring_buffer.h"

#include <algorithm>

#include "platform/diagnostics.h"

namespace {

constexpr const char* kOverflowLine = "ringbuffer overflow!!!\n";
constexpr const char* kPoppedTooMuchLine = "Ringbuffer: popped too much... illegal access!\n";
constexpr const char* kClearedTooMuchLine = "Ringbuffer: cleared more than it had... illegal access!\n";

}  // namespace

Ringbuffer::Ringbuffer(std::int32_t capacity)
    : capacity_(std::max<std::int32_t>(capacity, 1)), storage_(new float[capacity_]()) {}

Ringbuffer::~Ringbuffer() = default;

// A proper modulo: offsets may be negative or far beyond the capacity.
std::int32_t Ringbuffer::slot(std::int64_t offsetFromRead) const {
  const std::int64_t index = (readIndex_ + offsetFromRead % capacity_) % capacity_;
  return static_cast<std::int32_t>(index < 0 ? index + capacity_ : index);
}

float& Ringbuffer::writeSlot() { return storage_[slot(count_)]; }

void Ringbuffer::afterWrite() {
  if (count_ < capacity_) {
    ++count_;
    return;
  }
  // The write went into the oldest value's slot: that value is gone, the ring stays full.
  diag::write("%s", kOverflowLine);
  readIndex_ = slot(1);
}

void Ringbuffer::push(float x) {
  writeSlot() = x;
  afterWrite();
}

void Ringbuffer::pushAdd(float x) {
  writeSlot() += x;
  afterWrite();
}

float Ringbuffer::pop() {
  float& oldest = storage_[readIndex_];
  const float value = oldest;
  oldest = 0.0f;
  readIndex_ = slot(1);
  setCount(static_cast<std::int64_t>(count_) - 1, kPoppedTooMuchLine);
  return value;
}

float Ringbuffer::peek(std::int32_t i) const { return storage_[slot(i)]; }

void Ringbuffer::discard(std::int32_t n) {
  readIndex_ = slot(n);
  setCount(static_cast<std::int64_t>(count_) - n, kClearedTooMuchLine);
}

void Ringbuffer::unwrite(std::int32_t n) { setCount(static_cast<std::int64_t>(count_) - n, kClearedTooMuchLine); }

// Keeps count within 0 .. capacity so that the ring stays a queue after misuse.
void Ringbuffer::setCount(std::int64_t count, const char* underflowLine) {
  if (count < 0) {
    diag::write("%s", underflowLine);
    count = 0;
  } else if (count > capacity_) {
    // Only a negative discard or unwrite gets here: it claims values back from
    // slots that were given up, more of them than the ring can hold.
    diag::write("%s", kOverflowLine);
    count = capacity_;
  }
  count_ = static_cast<std::int32_t>(count);
}

void Ringbuffer::clear() {
  readIndex_ = 0;
  count_ = 0;
  std::fill_n(storage_.get(), capacity_, 0.0f);
}
