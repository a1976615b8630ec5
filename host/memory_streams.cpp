#include "host/memory_streams.h"

namespace host {

using namespace Steinberg;

StateBytes bytesOf(const MemoryStream& stream) {
  const char* data = stream.getData();
  if (data == nullptr) return {};
  return StateBytes(data, data + stream.getSize());
}

IPtr<MemoryStream> streamOf(const StateBytes& bytes) {
  auto stream = owned(new MemoryStream());
  if (!bytes.empty()) {
    int32 written = 0;
    stream->write(const_cast<char*>(bytes.data()), static_cast<int32>(bytes.size()), &written);
    stream->seek(0, IBStream::kIBSeekSet, nullptr);
  }
  return stream;
}

}  // namespace host
