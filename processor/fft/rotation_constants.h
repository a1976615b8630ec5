#pragma once

// The rotation by delta = 2 pi / size that advances a twiddle factor of a transform
// of `size` points by one step. alpha = 1 - cos(delta) is kept in the form
// 2 sin^2(delta / 2): for large sizes 1 - cos(delta) would cancel away most of its
// digits, while this form holds it to full precision, which keeps the recurrence
// accurate over thousands of steps. Both are the correctly rounded doubles.
//
// Like every internal header of the transform, its code has internal linkage: each
// instruction-set path compiles its own copy, and the linker never exchanges one
// path's code for another's.

namespace fftdetail {
namespace {

struct RotationConstants {
  double alpha;  // 2 sin^2(pi / size)
  double beta;   // sin(2 pi / size)
};

constexpr RotationConstants rotationConstants(int size) {
  // clang-format off: one size per line
  switch (size) {
    case 8:
      return {0.2928932188134525, 0.7071067811865476};
    case 16:
      return {0.07612046748871325, 0.3826834323650898};
    case 32:
      return {0.019214719596769552, 0.19509032201612828};
    case 64:
      return {0.004815273327803114, 0.0980171403295606};
    case 128:
      return {0.0012045437948276074, 0.049067674327418015};
    case 256:
      return {0.0003011813037957799, 0.024541228522912288};
    case 512:
      return {7.529816085545908e-05, 0.012271538285719925};
    case 1024:
      return {1.882471739885734e-05, 0.006135884649154475};
    case 2048:
      return {4.7061904238284885e-06, 0.003067956762965976};
    case 4096:
      return {1.1765482980900709e-06, 0.0015339801862847657};
    case 8192:
      return {2.941371177808398e-07, 0.0007669903187427045};
    default:
      return {0.0, 0.0};  // no transform of another size exists
  }
  // clang-format on
}

}  // namespace
}  // namespace fftdetail
