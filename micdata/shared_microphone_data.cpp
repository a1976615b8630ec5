#include <memory>
#include <mutex>

#include "micdata/microphone_data.h"
#include "micdata/microphone_loader.h"
#include "platform/diagnostics.h"
#include "platform/resources.h"

namespace {

// Hosts create plug-in instances on their main thread, but some do so from more than
// one thread; the lock keeps the shared reference and its count consistent. Readers
// of the model never take it.
std::mutex sharedMutex;
MicrophoneData* sharedModel = nullptr;
std::int32_t sharedReferences = 0;
int sharedLoads = 0;

std::unique_ptr<MicrophoneData> loadEmbeddedDocument() {
  platform::Resource resource;
  if (!platform::findResource("PolarXML.xml", "XML", resource))
    return failedMicrophoneData("Resource PolarXML.xml of type XML not found.");
  return loadMicrophoneData(reinterpret_cast<const char*>(resource.data), resource.size);
}

}  // namespace

MicrophoneData* acquireMicrophoneData() {
  const std::lock_guard<std::mutex> lock(sharedMutex);
  if (sharedModel == nullptr) {
    sharedModel = loadEmbeddedDocument().release();
    ++sharedLoads;
  }
  ++sharedReferences;
  return sharedModel;
}

void releaseMicrophoneData(MicrophoneData* model) {
  if (model == nullptr) return;
  std::unique_ptr<MicrophoneData> last;
  {
    const std::lock_guard<std::mutex> lock(sharedMutex);
    if (model != sharedModel) {
      // Releasing twice, or a model that never was shared, must not free anything.
      diag::write("MicrophoneData: release of a model that is not the shared one ignored\n");
      return;
    }
    if (--sharedReferences == 0) {
      last.reset(sharedModel);
      sharedModel = nullptr;
    }
  }
}

int microphoneDataLoadCount() {
  const std::lock_guard<std::mutex> lock(sharedMutex);
  return sharedLoads;
}

std::int32_t microphoneDataReferenceCount() {
  const std::lock_guard<std::mutex> lock(sharedMutex);
  return sharedReferences;
}
