#include "processor/parameter_routing.h"

namespace {
// The parameters every pair shares: the curve, the models, solo and proximity.
constexpr ParameterId kSharedParameters = 10;
constexpr std::uint32_t kPairGainCount = 2;
}  // namespace

EngineRoutes routesOf(ParameterId id) {
  EngineRoutes result;
  if constexpr (kPairCount == 1) {
    result.routes[result.count++] = {0, id};
  } else if (id < kSharedParameters) {
    for (int engine = 0; engine < kPairCount; ++engine)
      result.routes[result.count++] = {engine, id};
  } else if (id < kParameterCount) {
    const int pair = static_cast<int>((id - kSharedParameters) / kPairGainCount);
    result.routes[result.count++] = {pair,
                                     kSharedParameters + (id - kSharedParameters) % kPairGainCount};
  }
  return result;
}

EngineRoute storedRouteOf(ParameterId id) {
  const EngineRoutes routes = routesOf(id);
  return routes.count > 0 ? routes.routes[0] : EngineRoute{0, id};
}
