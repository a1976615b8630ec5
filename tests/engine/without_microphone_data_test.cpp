// A module whose microphone document cannot be had: the engine still processes
// audio, and switching proximity compensation on finds no model and keeps the shelf
// it has (none).

#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "platform/diagnostics.h"
#include "platform/resources.h"

extern "C" const platform::ResourceEntry lobeshiftResourceTable[] = {
    {nullptr, nullptr, nullptr, nullptr}};
extern "C" const std::size_t lobeshiftResourceCount = 0;

namespace {

TEST(EngineWithoutMicrophoneData, KeepsItsShelfAndProcessesUnfiltered) {
  PlugIn_DirectivityEngine engine(48000.0);
  engine.updateParameter(9, 1.0f);
  EXPECT_EQ(engine.proximityFilter(), nullptr);
  engine.updateParameter(7, 1.0f);
  EXPECT_EQ(engine.proximityFilter(), nullptr);
  EXPECT_EQ(engine.getParameter(7), 1.0f);

  setAllTypes(engine, 0.0f);  // figure-eight everywhere: the output is the eight input
  const auto omni = noise(5 * 4096, 1), eight = noise(5 * 4096, 2);
  const auto out = runEngine(engine, omni, eight, 128);
  for (std::size_t n = 8192 + 4096; n < out.size(); ++n)
    ASSERT_NEAR(out[n], eight[n - 8192], 2e-6) << n;
  diag::takeLines();
}

}  // namespace
