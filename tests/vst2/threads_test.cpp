// A VST 2 host may set parameters from its audio thread (automation playback) and
// from its user-interface thread (a generic editor, a control surface) at once, while
// the user-interface thread also idles the editor, reads texts and saves chunks. The
// wrapper hands every value over without locks; ThreadSanitizer (label tsan) checks
// that no access races.

#include <atomic>
#include <thread>

#include "vst2_fixture.h"

namespace vst2_test {
namespace {

TEST(Vst2Threads, AutomationFromTwoThreadsWhileAudioRuns) {
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  const auto input = distinctSignals(kInputChannels, kBlock);
  std::atomic<bool> stop{false};

  std::thread audio([&] {
    host::Vst2Channels in = input;
    host::Vst2Channels out(2, std::vector<float>(kBlock));
    std::vector<float*> inPointers(in.size()), outPointers(2);
    for (std::size_t c = 0; c < in.size(); ++c) inPointers[c] = in[c].data();
    for (std::size_t c = 0; c < 2; ++c) outPointers[c] = out[c].data();
    for (int block = 0; block < 200; ++block) {
      plugin->setParameter(kMidType, static_cast<float>(block % 10) / 10.0f);
      plugin->effect()->processReplacing(plugin->effect(), inPointers.data(), outPointers.data(),
                                         kBlock);
    }
    stop = true;
  });

  int rounds = 0;
  while (!stop) {
    plugin->setParameter(kLowType, static_cast<float>(rounds % 7) / 7.0f);
    plugin->setParameter(kMidType, 0.5f);
    EXPECT_GE(plugin->getParameter(kMidType), 0.0f);
    plugin->dispatch(effEditIdle);  // hands the values on to the controller
    plugin->text(effGetParamDisplay, kLowType);
    EXPECT_EQ(plugin->chunk().size(), kParameterCount * sizeof(float));
    ++rounds;
  }
  audio.join();
  EXPECT_GT(rounds, 0);

  // Afterwards the last value of each parameter is the one that counts, everywhere.
  plugin->setParameter(kLowType, 0.25f);
  plugin->dispatch(effEditIdle);
  plugin->render(input, kBlock);
  EXPECT_FLOAT_EQ(plugin->getParameter(kLowType), 0.25f);
  EXPECT_FLOAT_EQ(valuesOf(plugin->chunk())[kLowType], 0.25f);
}

}  // namespace
}  // namespace vst2_test
