// What passes between the main thread and the audio thread: values left by setState,
// and the values getState writes.

#include <gtest/gtest.h>

#include <vector>

#include "processor/pending_state.h"
#include "processor/stored_state.h"

namespace {

struct Applied {
  ParameterId id;
  std::uint32_t revision;
  float value;
  bool operator==(const Applied&) const = default;
};

std::vector<Applied> drainAll(PendingState& pending) {
  std::vector<Applied> applied;
  pending.drain([&](ParameterId id, RevisionedValue entry) {
    applied.push_back({id, entry.revision, entry.value});
  });
  return applied;
}

}  // namespace

TEST(PendingState, TwoLoadsBeforeTheAudioThreadComesAreAppliedInTurn) {
  PendingState pending;
  EXPECT_TRUE(pending.isEmpty());
  for (ParameterId id = 0; id < 4; ++id) pending.post(id, {1, 0.25f});
  // The second load broke off after two values: the first load's others still count.
  pending.post(0, {2, 0.75f});
  pending.post(1, {2, 0.5f});
  pending.post(PendingState::kCapacity, {2, 1.0f});  // beyond the table: ignored

  EXPECT_EQ(drainAll(pending),
            (std::vector<Applied>{{0, 2, 0.75f}, {1, 2, 0.5f}, {2, 1, 0.25f}, {3, 1, 0.25f}}));
  EXPECT_TRUE(pending.isEmpty());
  EXPECT_TRUE(drainAll(pending).empty());
}

TEST(StoredState, AnOutdatedConfirmationNeverOverwritesANewerValue) {
  StoredState stored;
  const RevisionedValue first = stored.set(3, 0.3f);
  // The engines read the value as 0.25 (an index, say): the state keeps their reading.
  stored.confirm(3, first.revision, 0.25f);
  EXPECT_EQ(stored.load(3).value, 0.25f);

  // A newer set arrives before the audio thread confirms the older one.
  const RevisionedValue second = stored.set(3, 0.9f);
  EXPECT_GT(second.revision, first.revision);
  stored.confirm(3, first.revision, 0.25f);
  EXPECT_EQ(stored.load(3).value, 0.9f);
  stored.confirm(3, second.revision, 0.875f);
  EXPECT_EQ(stored.load(3).value, 0.875f);

  EXPECT_EQ(stored.load(StoredState::kCapacity).value, 0.0f);
}
