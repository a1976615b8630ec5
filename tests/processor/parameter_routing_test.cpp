// Which engine each parameter reaches, and under which engine-local ID.

#include "processor/parameter_routing.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::pair<int, std::uint32_t>> routes(ParameterId id) {
  std::vector<std::pair<int, std::uint32_t>> result;
  for (const EngineRoute& route : routesOf(id)) result.emplace_back(route.engine, route.localId);
  return result;
}

using Routes = std::vector<std::pair<int, std::uint32_t>>;

}  // namespace

#if LOBESHIFT_STEREO
TEST(ParameterRouting, StereoSharesTheCurveAndGivesEachPairItsGains) {
  EXPECT_EQ(routes(kLowType), (Routes{{0, 0}, {1, 0}}));
  EXPECT_EQ(routes(kProximityCompensation), (Routes{{0, 9}, {1, 9}}));
  EXPECT_EQ(routes(kMicLOmniGain), (Routes{{0, 10}}));
  EXPECT_EQ(routes(kMicLEightGain), (Routes{{0, 11}}));
  EXPECT_EQ(routes(kMicROmniGain), (Routes{{1, 10}}));
  EXPECT_EQ(routes(kMicREightGain), (Routes{{1, 11}}));
  EXPECT_TRUE(routes(14).empty());
  EXPECT_EQ(storedRouteOf(kMicREightGain).engine, 1);
  EXPECT_EQ(storedRouteOf(kMidFrequency).engine, 0);
}
#else
TEST(ParameterRouting, MonoSendsEveryIdToTheOneEngineUnchanged) {
  EXPECT_EQ(routes(kLowType), (Routes{{0, 0}}));
  EXPECT_EQ(routes(kMicLEightGain), (Routes{{0, 11}}));
  // The engine itself reports an ID it does not know.
  EXPECT_EQ(routes(12), (Routes{{0, 12}}));
}
#endif
