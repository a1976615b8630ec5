#include "processor/ring_buffer.h"

#include <algorithm>

#include "platform/diagnostics.h"

namespace {

constexpr const char* kOverflowLine = "ringbuffer overflow!!!\n";
constexpr const char* kPoppedTooMuchLine = "Ringbuffer: popped too much... illegal access!\n";
constexpr const char* kClearedTooMuchLine =
    "Ringbuffer: cleared more than it had... illegal access!\n";

}  // namespace

Ringbuffer::Ringbuffer(std::int32_t capacity)
    : capacity_(std::max<std::int32_t>(capacity, 1)), storage_(new float[capacity_]()) {}

Ringbuffer::~Ringbuffer() = default;

// A proper modulo: offsets may be negative or far beyond the capacity.
std::int32_t Ringbuffer::slot(std::int64_t offsetFromRead) const {
  const std::int64_t index = (readIndex_ + offsetFromRead % capacity_) % capacity_;
  return static_cast<std::int32_t>(index < 0 ? index + capacity_ : index);
}

void Ringbuffer::pushIntoFullRing(float x, bool add) {
  // The write goes into the oldest value's slot: that value is gone, the ring stays full.
  float& oldest = storage_[readIndex_];
  oldest = add ? oldest + x : x;
  diag::write("%s", kOverflowLine);
  readIndex_ = slot(1);
}

float Ringbuffer::popFromEmptyRing() {
  float& slotValue = storage_[readIndex_];
  const float value = slotValue;
  slotValue = 0.0f;
  readIndex_ = slot(1);
  diag::write("%s", kPoppedTooMuchLine);
  return value;
}

void Ringbuffer::peekBlock(double* out, std::int32_t count) const {
  if (count <= 0) return;
  if (count > capacity_) {
    for (std::int32_t j = 0; j < count; ++j) out[j] = peek(j);
    return;
  }
  const std::int32_t first = std::min(count, capacity_ - readIndex_);
  const float* storage = storage_.get();
  for (std::int32_t j = 0; j < first; ++j) out[j] = storage[readIndex_ + j];
  for (std::int32_t j = first; j < count; ++j) out[j] = storage[j - first];
}

void Ringbuffer::pushBlock(const float* values, std::int32_t count) {
  if (count <= 0) return;
  if (count > capacity_ - count_) {
    // Runs into the oldest values: let the single-value path report and handle it.
    for (std::int32_t j = 0; j < count; ++j) push(values[j]);
    return;
  }
  const std::int32_t write = wrap(readIndex_ + count_);
  const std::int32_t first = std::min(count, capacity_ - write);
  std::copy_n(values, first, storage_.get() + write);
  std::copy_n(values + first, count - first, storage_.get());
  count_ += count;
}

std::int32_t Ringbuffer::popBlock(float* out, std::int32_t count) {
  const std::int32_t taken = std::clamp(count, 0, count_);
  const std::int32_t first = std::min(taken, capacity_ - readIndex_);
  float* storage = storage_.get();
  std::copy_n(storage + readIndex_, first, out);
  std::fill_n(storage + readIndex_, first, 0.0f);
  std::copy_n(storage, taken - first, out + first);
  std::fill_n(storage, taken - first, 0.0f);
  readIndex_ = wrap(readIndex_ + taken);
  count_ -= taken;
  return taken;
}

void Ringbuffer::pushAddBlock(const double* values, std::int32_t count, double scale) {
  pushAddStretches(count, [values, scale](std::int32_t j, float* slots, std::int32_t length) {
    for (std::int32_t i = 0; i < length; ++i) {
      slots[i] += static_cast<float>(values[j + i] * scale);
    }
  });
}

void Ringbuffer::discard(std::int32_t n) {
  readIndex_ = slot(n);
  setCount(static_cast<std::int64_t>(count_) - n, kClearedTooMuchLine);
}

void Ringbuffer::unwrite(std::int32_t n) {
  setCount(static_cast<std::int64_t>(count_) - n, kClearedTooMuchLine);
}

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
