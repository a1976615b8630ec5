#pragma once
// The editor's display curve: the figure-eight weight (1 - type) at each of the 146
// positions of the display grid, interpolated between the Low, Mid and High points
// with the same constrained spline as the engine's curve, here over the grid
// position plus one.

#include "plots/frequency_axis.h"

// A control point on the display grid: x is the handle's centre x divided by the grid
// spacing, weight the figure-eight weight 1 - type.
struct DisplayPoint {
  double x;
  double weight;
};

inline constexpr int kDisplayPointCount = 3;  // Low, Mid, High

// Fills curve[0 .. kGridPoints-1]. Positions before Low hold Low's weight, positions
// after High hold High's weight. Points out of order give a finite curve (a segment
// without width holds its right value).
void computeDisplayCurve(double* curve, const DisplayPoint (&points)[kDisplayPointCount]);
