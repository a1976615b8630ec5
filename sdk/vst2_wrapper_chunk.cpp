// The program chunk: the processor state, byte for byte the VST 3 state. A chunk from
// the host goes to the processor and to the controller, as a VST 3 host loads a
// project; both refuse a short chunk whole, and the wrapper says so.

#include "platform/diagnostics.h"
#include "public.sdk/source/common/memorystream.h"
#include "sdk/vst2_wrapper.h"

namespace Steinberg::Vst {

namespace {
// Far beyond any state a plug-in of this kind stores; a larger size is a broken host.
constexpr VstIntPtr kLargestChunk = VstIntPtr{64} << 20;
}  // namespace

VstIntPtr Vst2Wrapper::getChunk(void** data) {
  if (data == nullptr) return 0;
  *data = nullptr;
  IPtr<MemoryStream> stream = owned(new MemoryStream());
  if (component_->getState(stream) != kResultOk) return 0;
  const auto size = static_cast<size_t>(stream->getSize());
  chunk_.assign(stream->getData(), stream->getData() + size);
  if (chunk_.empty()) return 0;
  *data = chunk_.data();
  return static_cast<VstIntPtr>(chunk_.size());
}

bool Vst2Wrapper::applyState(const void* data, VstIntPtr size) {
  // What the host set before the state is superseded by it, not applied after it.
  for (int32 index = 0; index < slots_.count(); ++index) slots_.settle(index, slots_.value(index));

  // The stream only reads the given bytes; nothing is written through it.
  IPtr<MemoryStream> stream = owned(new MemoryStream(const_cast<void*>(data), size));
  const tresult processorResult = component_->setState(stream);
  stream->seek(0, IBStream::kIBSeekSet, nullptr);
  controller_->setComponentState(stream);
  settleFromController();
  return processorResult == kResultOk;
}

VstIntPtr Vst2Wrapper::setChunk(const void* data, VstIntPtr size) {
  if (data == nullptr || size <= 0 || size > kLargestChunk) {
    diag::write("VST 2 host handed a chunk of %ld bytes%s; nothing was loaded\n",
                static_cast<long>(size), data == nullptr ? " without data" : "");
    return 0;
  }
  if (!applyState(data, size)) {
    diag::write(
        "VST 2 host handed a chunk of %ld bytes the processor refused; nothing was loaded\n",
        static_cast<long>(size));
    return 0;
  }
  return 1;
}

}  // namespace Steinberg::Vst
