// The state stream's byte layout and its refusal of short or failed reads and writes.

#include "processor/state_stream.h"

#include <gtest/gtest.h>

#include "pluginterfaces/base/smartpointer.h"
#include "public.sdk/source/common/memorystream.h"

using Steinberg::IPtr;
using Steinberg::MemoryStream;

namespace {

IPtr<MemoryStream> streamOfBytes(std::initializer_list<unsigned char> bytes) {
  auto stream = Steinberg::owned(new MemoryStream());
  for (unsigned char byte : bytes) stream->write(&byte, 1, nullptr);
  stream->seek(0, Steinberg::IBStream::kIBSeekSet, nullptr);
  return stream;
}

}  // namespace

TEST(StateStream, ValuesAreLittleEndianFloat32WithNothingElse) {
  auto stream = Steinberg::owned(new MemoryStream());
  ASSERT_TRUE(writeStateValue(stream, 0.375f));
  ASSERT_TRUE(writeStateValue(stream, -2.0f));
  ASSERT_EQ(stream->getSize(), 8);
  const auto* bytes = reinterpret_cast<const unsigned char*>(stream->getData());
  EXPECT_EQ((std::vector<unsigned char>(bytes, bytes + 8)),
            (std::vector<unsigned char>{0x00, 0x00, 0xC0, 0x3E, 0x00, 0x00, 0x00, 0xC0}));

  auto reading = streamOfBytes({0x00, 0x00, 0xC0, 0x3E});
  float value = 0.0f;
  ASSERT_TRUE(readStateValue(reading, value));
  EXPECT_EQ(value, 0.375f);
}

TEST(StateStream, AReadCountsOnlyWithAllFourBytes) {
  auto stream = streamOfBytes({0x00, 0x00, 0x80, 0x3F, 0x01, 0x02, 0x03});
  float value = 0.0f;
  ASSERT_TRUE(readStateValue(stream, value));
  EXPECT_EQ(value, 1.0f);
  value = 7.0f;
  EXPECT_FALSE(readStateValue(stream, value));  // three bytes left
  EXPECT_FALSE(readStateValue(stream, value));  // none left: success with 0 bytes
  EXPECT_EQ(value, 7.0f);
  EXPECT_FALSE(readStateValue(nullptr, value));
  EXPECT_FALSE(writeStateValue(nullptr, value));
}

TEST(StateStream, AWriteCountsOnlyWhenTheStreamTakesItAll) {
  // A stream that is nearly full: it reports success but takes two bytes.
  class NearlyFullStream : public Steinberg::IBStream {
   public:
    Steinberg::tresult PLUGIN_API write(void*, Steinberg::int32,
                                        Steinberg::int32* written) override {
      if (written != nullptr) *written = 2;
      return Steinberg::kResultOk;
    }
    Steinberg::tresult PLUGIN_API read(void*, Steinberg::int32, Steinberg::int32*) override {
      return Steinberg::kResultFalse;
    }
    Steinberg::tresult PLUGIN_API seek(Steinberg::int64, Steinberg::int32,
                                       Steinberg::int64*) override {
      return Steinberg::kResultFalse;
    }
    Steinberg::tresult PLUGIN_API tell(Steinberg::int64*) override {
      return Steinberg::kResultFalse;
    }
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID, void** obj) override {
      *obj = nullptr;
      return Steinberg::kNoInterface;
    }
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }
  } stream;
  EXPECT_FALSE(writeStateValue(&stream, 1.0f));
}
