#pragma once
// Which engines a parameter goes to, and under which engine-local ID. Stereo: IDs 0 to
// 9 go to both pairs (left first), 10 and 11 to the left pair, 12 and 13 to the right
// pair as 10 and 11, anything else nowhere. Mono: every ID to the one engine unchanged.

#include <cstdint>

#include "controller/parameters.h"

struct EngineRoute {
  int engine;
  std::uint32_t localId;
};

struct EngineRoutes {
  EngineRoute routes[kPairCount];
  int count = 0;

  const EngineRoute* begin() const { return routes; }
  const EngineRoute* end() const { return routes + count; }
};

EngineRoutes routesOf(ParameterId id);

// The engine and local ID whose reading of a parameter the processor state stores.
EngineRoute storedRouteOf(ParameterId id);
