#pragma once
// The directivity engine's passes over whole frames in the time domain, one stretch
// of a ring's storage at a time: windowing the capsule signals out of their rings,
// and adding results into the output ring. They run on the fastest instruction set
// of this processor and give the same bits on every one. No allocation, no locks:
// fit for the audio thread.

// For i < count: eightOut[i] = eight[i] w_i and omniOut[i] = omni[i] w_i, less
// eightOut[i] with `difference`, each product rounded first. w_i is window[i], or
// window[-i] for a falling window, read backwards from the value `window` points at.
void windowStretch(const float* omni, const float* eight, const double* window, bool falling,
                   bool difference, int count, double* omniOut, double* eightOut);

// For i < count: slots[i] += float(a[i] aScale + b[i] bScale), or float(a[i] aScale)
// where b is null; a scale of exactly 1 multiplies nothing.
void addIntoStretch(float* slots, const double* a, double aScale, const double* b, double bScale,
                    int count);
