#pragma once
// The few elementary functions the audio path computes with (the analysis window's cosines,
// the proximity filters' tangent, the curve's logarithms, the gains' powers of ten), written
// out in plain double arithmetic so that every system computes the same bits: the math
// libraries of Linux and Windows round some results differently in the last place, and the
// plug-in's output should not depend on the system it runs on. Accurate to about one unit in
// the last place over the ranges the plug-in uses; special values (zero, negative, infinite,
// NaN or huge arguments) are the system library's.

namespace portable_math {

double cosine(double x);
double tangent(double x);
double log10(double x);
// 10 raised to x.
double exp10(double x);

}  // namespace portable_math
