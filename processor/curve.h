#pragma once
// The directivity curve: the omni weight of every FFT bin, interpolated between the
// control points (Low, Mid, High) over the logarithm of the bin position.

// One control point of the curve. position is in FFT bins and may be fractional
// (frequency / sampleRate x FFT size); type is the omni weight there, 1 = omni,
// 0.5 = cardioid, 0 = figure-eight.
struct ControlPoint {
  double position;
  double type;
};

// Fills curve[0 .. binCount-1] from points[0 .. pointCount-1], which must be in
// increasing position (they are not sorted). Bins before the first point hold its
// type, bins after the last point hold the last type; in between the curve is a
// constrained cubic spline in log10(bin + 1) that never overshoots: each segment stays
// between the types of its two points, the ends are flat and an inner point that is a
// peak or a dip is a flat extremum.
//
// Leaves the curve untouched when binCount < 1 or pointCount < 1; a single point
// gives a flat curve at its type. Allocates nothing and is safe on the audio thread.
void computeCurve(double* curve, const ControlPoint* points, int pointCount, int binCount);
