#pragma once
// Names for omni weights, for people reading a curve: the first-order pattern whose
// omni weight lies nearest (omni 1, wide cardioid 0.7, cardioid 0.5, supercardioid
// 0.37, hypercardioid 0.25, figure-eight 0).

const char* nearestPatternName(double omniWeight);
