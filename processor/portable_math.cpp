#include "processor/portable_math.h"

#include <cmath>

// Classic argument reductions and minimax polynomials; no step may be fused or reordered
// (the folder's sources are compiled without floating-point contraction).
namespace portable_math {
namespace {

constexpr double kTwoOverPi = 6.36619772367581382433e-01;
constexpr double kPiOver2Hi = 1.57079632673412561417e+00;  // the first 33 bits of pi / 2
constexpr double kPiOver2Lo = 6.07710050650619224932e-11;  // pi / 2 - kPiOver2Hi
// Beyond this the two-part reduction loses accuracy; the library's reduction takes over.
constexpr double kReductionLimit = 1.0e5;

constexpr double kLn2Hi = 6.93147180369123816490e-01;  // ln 2 in 32 bits
constexpr double kLn2Lo = 1.90821492927058770002e-10;  // ln 2 - kLn2Hi
constexpr double kInverseLn2 = 1.44269504088896338700e+00;
constexpr double kLn10 = 2.30258509299404568402e+00;
constexpr double kInverseLn10 = 4.34294481903251827651e-01;
constexpr double kSqrtHalf = 7.07106781186547524401e-01;

// sin and cos on [-pi/4, pi/4].
double sineKernel(double x) {
  const double z = x * x;
  const double r = 8.33333333332248946124e-03 +
                   z * (-1.98412698298579493134e-04 +
                        z * (2.75573137070700676789e-06 +
                             z * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10)));
  return x + x * z * (-1.66666666666666324348e-01 + z * r);
}

double cosineKernel(double x) {
  const double z = x * x;
  const double r =
      z * (4.16666666666666019037e-02 +
           z * (-1.38888888888741095749e-03 +
                z * (2.48015872894767294178e-05 +
                     z * (-2.75573143513906633035e-07 +
                          z * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11)))));
  const double half = 0.5 * z;
  const double w = 1.0 - half;
  return w + (((1.0 - w) - half) + z * r);
}

// x = quadrant * pi / 2 + reduced, with reduced in about [-pi/4, pi/4].
struct Reduced {
  int quadrant;  // 0 to 3
  double value;
};

Reduced reduce(double x) {
  const double n = std::floor(x * kTwoOverPi + 0.5);
  const double value = (x - n * kPiOver2Hi) - n * kPiOver2Lo;
  const int quadrant = static_cast<int>(n - 4.0 * std::floor(n * 0.25));
  return {quadrant, value};
}

}  // namespace

double cosine(double x) {
  if (!(std::fabs(x) < kReductionLimit)) return std::cos(x);
  const Reduced r = reduce(x);
  switch (r.quadrant) {
    case 0:
      return cosineKernel(r.value);
    case 1:
      return -sineKernel(r.value);
    case 2:
      return -cosineKernel(r.value);
    default:
      return sineKernel(r.value);
  }
}

double tangent(double x) {
  if (!(std::fabs(x) < kReductionLimit)) return std::tan(x);
  const Reduced r = reduce(x);
  const double s = sineKernel(r.value);
  const double c = cosineKernel(r.value);
  return (r.quadrant & 1) == 0 ? s / c : -c / s;
}

double log10(double x) {
  if (!(x > 0.0) || std::isinf(x)) return std::log10(x);
  int exponent = 0;
  double m = std::frexp(x, &exponent);  // exact: x = m * 2^exponent, m in [0.5, 1)
  if (m < kSqrtHalf) {
    m *= 2.0;
    --exponent;
  }
  const double f = m - 1.0;
  const double s = f / (2.0 + f);
  const double z = s * s;
  const double w = z * z;
  const double t1 = w * (3.999999999940941908e-01 +
                         w * (2.222219843214978396e-01 + w * 1.531383769920937332e-01));
  const double t2 = z * (6.666666666666735130e-01 +
                         w * (2.857142874366239149e-01 +
                              w * (1.818357216161805012e-01 + w * 1.479819860511658591e-01)));
  const double r = t2 + t1;
  const double halfSquare = 0.5 * f * f;
  const double e = exponent;
  const double ln = e * kLn2Hi - ((halfSquare - (s * (halfSquare + r) + e * kLn2Lo)) - f);
  return ln * kInverseLn10;
}

double exp10(double x) {
  const double y = x * kLn10;
  if (!(std::fabs(y) < 700.0)) return std::pow(10.0, x);
  const double k = std::floor(y * kInverseLn2 + 0.5);
  const double hi = y - k * kLn2Hi;  // exact: k has few bits, kLn2Hi 32
  const double lo = k * kLn2Lo;
  const double r = hi - lo;
  const double t = r * r;
  const double c =
      r - t * (1.66666666666666019037e-01 +
               t * (-2.77777777770155933842e-03 +
                    t * (6.61375632143793436117e-05 +
                         t * (-1.65339022054652515390e-06 + t * 4.13813679705723846039e-08))));
  const double e = 1.0 - ((lo - (r * c) / (2.0 - c)) - hi);
  return std::ldexp(e, static_cast<int>(k));
}

}  // namespace portable_math
