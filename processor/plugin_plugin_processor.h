#pragma once
// The product's own base of its audio processor: nothing but a polymorphic root that
// the product's code can hold the processor by, apart from the SDK's classes.

namespace PlugIn {

class PlugIn_PlugInProcessor {
 public:
  virtual ~PlugIn_PlugInProcessor() = default;
};

}  // namespace PlugIn
