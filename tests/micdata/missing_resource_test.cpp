// A module whose resource table lacks the microphone document: the shared model
// loads empty and says why.

#include <gtest/gtest.h>

#include "micdata/microphone_data.h"
#include "platform/diagnostics.h"
#include "platform/resources.h"

extern "C" const platform::ResourceEntry lobeshiftResourceTable[] = {
    {nullptr, nullptr, nullptr, nullptr}};
extern "C" const std::size_t lobeshiftResourceCount = 0;

namespace {

TEST(MissingDocument, GivesTheMessageAndAnEmptySharedModel) {
  diag::takeLines();
  MicrophoneData* model = acquireMicrophoneData();
  ASSERT_NE(model, nullptr);
  const auto lines = diag::takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0],
            "Could not load xml file. Error='Resource PolarXML.xml of type XML not found.'.\n");
  EXPECT_EQ(model->getMicrophone(6, 0), nullptr);
  EXPECT_EQ(model->getMicrophone(7, 0), nullptr);
  EXPECT_EQ(model->getFilterCurve("Rova E1"), nullptr);

  // The failed model is shared like any other: no second attempt, no second message.
  MicrophoneData* again = acquireMicrophoneData();
  EXPECT_EQ(again, model);
  EXPECT_EQ(microphoneDataLoadCount(), 1);
  EXPECT_TRUE(diag::takeLines().empty());
  releaseMicrophoneData(again);
  releaseMicrophoneData(model);
  EXPECT_EQ(microphoneDataReferenceCount(), 0);
}

}  // namespace
