// The public transforms: argument checks, then the instruction-set path chosen for
// this processor.

#include "processor/fft/fft.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "platform/diagnostics.h"
#include "processor/fft/bit_reversal.h"
#include "processor/fft/paths.h"
#include "processor/instruction_set.h"

using namespace fftdetail;

namespace {

// Constant-initialised, so it holds null before any code of this module runs; the
// first transform stores the choice.
constinit std::atomic<const FFTPath*> choice{nullptr};

// The caller's two buffers: present, and not overlapping, since every routine
// reads one while it writes the other.
// b's length is kFFTSize doubles, a's aLength.
bool separateBuffers(const char* operation, const double* a, const double* b,
                     std::size_t aLength = kFFTSize) {
  if (a == nullptr || b == nullptr) {
    diag::write("%s: missing buffer, nothing transformed", operation);
    return false;
  }
  const auto first = reinterpret_cast<std::uintptr_t>(a);
  const auto second = reinterpret_cast<std::uintptr_t>(b);
  const std::uintptr_t aBytes = aLength * sizeof(double);
  constexpr std::uintptr_t bytes = kFFTSize * sizeof(double);
  if (first < second + bytes && second < first + aBytes) {
    diag::write("%s: input and output buffers overlap, nothing transformed", operation);
    return false;
  }
  return true;
}

}  // namespace

namespace fftdetail {

const FFTPath& activePath() { return chosenPath(choice, kSse2Path, kAvx2Path); }

}  // namespace fftdetail

void realFFTForward(double* frame, double* spectrum) {
  if (!separateBuffers("realFFTForward", frame, spectrum)) return;
  activePath().realForward(frame, spectrum);
}

void realFFTInverse(const double* spectrum, double* out) {
  if (!separateBuffers("realFFTInverse", spectrum, out)) return;
  activePath().realInverse(spectrum, out);
}

void realFFTInverseWeighted(const double* spectrum, const double* weights, double nyquistWeight,
                            double* out) {
  if (!separateBuffers("realFFTInverseWeighted", spectrum, out)) return;
  if (!separateBuffers("realFFTInverseWeighted", weights, out, kFFTComplexPoints)) return;
  activePath().realInverseWeighted(spectrum, weights, nyquistWeight, out);
}

void complexFFT(double* data, FFTDirection direction) {
  if (data == nullptr) {
    diag::write("complexFFT: missing buffer, nothing transformed");
  } else if (direction == kFFTForward) {
    activePath().complexForward(data);
  } else if (direction == kFFTInverse) {
    activePath().complexInverse(data);
  } else {
    diag::write("complexFFT: unknown direction %d, nothing transformed",
                static_cast<int>(direction));
  }
}

// Not on the real transforms' path (they fuse the permutation into their first
// pass), so one plain implementation serves every processor.
void bitReverse(double* data) {
  if (data == nullptr) {
    diag::write("bitReverse: missing buffer, nothing permuted");
    return;
  }
  MirrorCounter<kFFTComplexPoints> mirror;
  for (int n = 0; n < kFFTComplexPoints; ++n, mirror.advance()) {
    const int m = mirror.value();
    if (n < m) {
      std::swap(data[2 * n], data[2 * m]);
      std::swap(data[2 * n + 1], data[2 * m + 1]);
    }
  }
}
