#include "engine_reference.h"

#include <cmath>
#include <numbers>

#include "processor/curve.h"

void textbookFFT(std::vector<std::complex<double>>& data, int sign) {
  const std::size_t n = data.size();
  if (n <= 1) return;
  std::vector<std::complex<double>> even(n / 2), odd(n / 2);
  for (std::size_t i = 0; i < n / 2; ++i) {
    even[i] = data[2 * i];
    odd[i] = data[2 * i + 1];
  }
  textbookFFT(even, sign);
  textbookFFT(odd, sign);
  for (std::size_t k = 0; k < n / 2; ++k) {
    const std::complex<double> twiddle =
        std::polar(1.0, sign * 2.0 * std::numbers::pi * double(k) / double(n));
    data[k] = even[k] + twiddle * odd[k];
    data[k + n / 2] = even[k] - twiddle * odd[k];
  }
}

namespace {

constexpr int kN = 8192;
constexpr int kHop = 4096;

double windowAt(int j) {
  const int i = j < kHop ? j : kN - 1 - j;
  return 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / 8190.0);
}

std::vector<double> weights(const ReferenceSetting& s) {
  ControlPoint points[3];
  for (int p = 0; p < 3; ++p)
    points[p] = {double(s.frequencies[p]) / s.sampleRate * kN, double(s.types[p])};
  std::vector<double> curve(kHop);
  computeCurve(curve.data(), points, 3, kHop);
  return curve;
}

std::vector<double> gainedEight(const ReferenceSetting& s, const std::vector<float>& eight,
                                float gain) {
  std::vector<double> out(eight.size());
  double previousInput = 0.0, previousOutput = 0.0;
  const double k = std::tan(std::numbers::pi * 100.0 / s.sampleRate) * s.shelfCornerFactor;
  const double c = (1.0 - k) / (1.0 + k);
  for (std::size_t i = 0; i < eight.size(); ++i) {
    if (!s.proximity) {
      out[i] = gain * eight[i];
      continue;
    }
    const double x = double(eight[i]) + 1e-20;
    const double lowPass = (1.0 - c) * 0.5 * (x + previousInput) + c * previousOutput;
    previousInput = x;
    previousOutput = lowPass;
    out[i] = float((x + s.shelfMix * lowPass) * gain);
  }
  return out;
}

}  // namespace

std::vector<double> referenceOutput(const ReferenceSetting& s, const std::vector<float>& omniIn,
                                    const std::vector<float>& eightIn) {
  const float omniGain = float(std::pow(10.0, s.omniGainDb / 20.0));
  const float eightGain = float(std::pow(10.0, s.eightGainDb / 20.0));
  std::vector<double> omni(omniIn.size());
  for (std::size_t i = 0; i < omni.size(); ++i) omni[i] = omniGain * omniIn[i];
  std::vector<double> eight = gainedEight(s, eightIn, eightGain);
  const std::vector<double> w = weights(s);

  // The engine starts as if a hop of silence had come before the input: the first
  // frame holds that silence and the first 4096 input samples.
  omni.insert(omni.begin(), kHop, 0.0);
  eight.insert(eight.begin(), kHop, 0.0);
  const std::size_t length = omniIn.size();
  std::vector<double> output(length, 0.0);
  for (std::size_t start = 0; start + kN <= length + kHop; start += kHop) {
    std::vector<double> frameOut(kN);
    if (s.soloState >= 1 && s.soloState <= 3) {
      for (int j = 0; j < kN; ++j) {
        const double o = omni[start + j] * windowAt(j), e = eight[start + j] * windowAt(j);
        frameOut[j] = s.soloState == 1 ? o : s.soloState == 3 ? e : 0.5 * (o + e);
      }
    } else {
      std::vector<std::complex<double>> O(kN), E(kN);
      for (int j = 0; j < kN; ++j) {
        O[j] = omni[start + j] * windowAt(j);
        E[j] = eight[start + j] * windowAt(j);
      }
      textbookFFT(O, -1);
      textbookFFT(E, -1);
      std::vector<std::complex<double>> mix(kN);
      for (int k = 0; k < kN; ++k) {
        const int bin = k <= kN / 2 ? k : kN - k;  // the mirror half of a real signal's spectrum
        const double weight = w[bin < kHop ? bin : kHop - 1];
        const std::complex<double> omniPart = weight * O[k], eightPart = (1.0 - weight) * E[k];
        mix[k] = s.soloState == 4 ? omniPart : s.soloState == 6 ? eightPart : omniPart + eightPart;
      }
      textbookFFT(mix, +1);
      for (int j = 0; j < kN; ++j) frameOut[j] = mix[j].real() / kN;
    }
    for (int j = 0; j < kN; ++j) {
      const std::size_t at = start + kN + j - kHop;  // 8192 samples late, after the silent hop
      if (at < length) output[at] += frameOut[j];
    }
  }
  return output;
}
