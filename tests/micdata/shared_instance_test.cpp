#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "micdata/microphone_data.h"
#include "micdata/microphone_loader.h"
#include "platform/diagnostics.h"

namespace {

class SharedInstance : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(microphoneDataReferenceCount(), 0) << "a test left a reference behind";
    diag::takeLines();
  }
  void TearDown() override { EXPECT_EQ(microphoneDataReferenceCount(), 0); }
};

TEST_F(SharedInstance, IsParsedOnceAndLivesUntilTheLastRelease) {
  const int loadsBefore = microphoneDataLoadCount();
  // Two plug-in instances, each with an engine, open one after the other.
  MicrophoneData* first = acquireMicrophoneData();
  MicrophoneData* second = acquireMicrophoneData();
  EXPECT_EQ(first, second);
  EXPECT_EQ(microphoneDataLoadCount(), loadsBefore + 1);
  EXPECT_EQ(microphoneDataReferenceCount(), 2);

  releaseMicrophoneData(first);
  EXPECT_EQ(microphoneDataReferenceCount(), 1);
  ASSERT_NE(second->getMicrophone(6, 0), nullptr);  // still there for the other instance
  EXPECT_EQ(second->getMicrophone(6, 0)->name, "Rova O1");

  releaseMicrophoneData(second);
  EXPECT_EQ(microphoneDataReferenceCount(), 0);

  // A new instance after both have closed loads the document again.
  MicrophoneData* third = acquireMicrophoneData();
  EXPECT_EQ(microphoneDataLoadCount(), loadsBefore + 2);
  EXPECT_EQ(third->getMicrophone(7, 1)->name, "Rova E2");
  releaseMicrophoneData(third);
  EXPECT_TRUE(diag::takeLines().empty());
}

TEST_F(SharedInstance, IgnoresReleasesOfModelsItDoesNotShare) {
  releaseMicrophoneData(nullptr);
  EXPECT_TRUE(diag::takeLines().empty());

  const std::string text = "<micdata/>";
  const auto own = loadMicrophoneData(text.data(), text.size());
  MicrophoneData* shared = acquireMicrophoneData();
  releaseMicrophoneData(own.get());
  EXPECT_EQ(microphoneDataReferenceCount(), 1);
  EXPECT_EQ(diag::takeLines().size(), 1u);

  releaseMicrophoneData(shared);
  // A second release of the same pointer must not free anything twice.
  releaseMicrophoneData(shared);
  EXPECT_EQ(microphoneDataReferenceCount(), 0);
  EXPECT_EQ(diag::takeLines().size(), 1u);
}

TEST_F(SharedInstance, ConcurrentAcquiresShareOneLoad) {
  constexpr int kThreads = 8;
  const int loadsBefore = microphoneDataLoadCount();
  std::vector<MicrophoneData*> models(kThreads, nullptr);
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      while (!go.load()) std::this_thread::yield();
      models[t] = acquireMicrophoneData();
    });
  go.store(true);
  for (auto& thread : threads) thread.join();

  EXPECT_EQ(std::set<MicrophoneData*>(models.begin(), models.end()).size(), 1u);
  EXPECT_EQ(microphoneDataLoadCount(), loadsBefore + 1);
  EXPECT_EQ(microphoneDataReferenceCount(), kThreads);

  threads.clear();
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] { releaseMicrophoneData(models[t]); });
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(microphoneDataReferenceCount(), 0);
}

}  // namespace
