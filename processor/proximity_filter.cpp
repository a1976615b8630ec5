#include "processor/proximity_filter.h"

#include <cmath>

#include "processor/directivity_engine.h"
#include "processor/portable_math.h"

double proximityPole(const ProximityShelf& shelf, double sampleRate) {
  const double k =
      portable_math::tangent(628.3185307179587 / sampleRate * 0.5) * shelf.cornerFactor;
  return (1.0 - k) / (1.0 + k);
}

namespace {

template <const ProximityShelf& shelf>
double runShelf(PlugIn_DirectivityEngine& engine, double x) {
  x += 1e-20;  // keeps the recursion away from denormal numbers
  ProximityFilterState& state = engine.proximityState();
  const double c = state.pole;
  const double y = (1.0 - c) * 0.5 * (x + state.filterInput) + c * state.filterOutput;
  state.filterInput = x;
  state.filterOutput = y;
  return x + shelf.mix * y;
}

}  // namespace

double proximityFilterRovaE1(PlugIn_DirectivityEngine& engine, double sample) {
  return runShelf<kShelfRovaE1>(engine, sample);
}

double proximityFilterRovaE2(PlugIn_DirectivityEngine& engine, double sample) {
  return runShelf<kShelfRovaE2>(engine, sample);
}

namespace {

struct ProximityModel {
  const char* name;
  ProximityFilter filter;
  const ProximityShelf* shelf;
};

constexpr ProximityModel kModels[] = {
    {"Rova E1", proximityFilterRovaE1, &kShelfRovaE1},
    {"Rova E2", proximityFilterRovaE2, &kShelfRovaE2},
};

}  // namespace

ProximityFilter proximityFilterForModel(std::string_view name) {
  for (const ProximityModel& model : kModels) {
    if (name == model.name) return model.filter;
  }
  return nullptr;
}

const ProximityShelf* proximityShelfOf(ProximityFilter filter) {
  for (const ProximityModel& model : kModels) {
    if (model.filter == filter) return model.shelf;
  }
  return nullptr;
}
