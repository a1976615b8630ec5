# The VST 3 SDK subset that Debian ships inside juce-modules-source-data.
# We compile its interface, base and public plug-in classes, unmodified, into one static library.
set(VST3_SDK_ROOT "/usr/share/juce/modules/juce_audio_processors/format_types/VST3_SDK"
    CACHE PATH "Root of the VST 3 SDK subset")

if(NOT EXISTS "${VST3_SDK_ROOT}/pluginterfaces/base/funknown.h")
  message(FATAL_ERROR
    "The VST 3 SDK was not found at ${VST3_SDK_ROOT}.\n"
    "Install the Debian package juce-modules-source-data (scripts/install-deps does it).")
endif()

set(VST3_SDK_SOURCES
  base/source/baseiids.cpp
  base/source/fbuffer.cpp
  base/source/fdebug.cpp
  base/source/fobject.cpp
  base/source/fstreamer.cpp
  base/source/fstring.cpp
  base/source/updatehandler.cpp
  base/thread/source/flock.cpp
  pluginterfaces/base/conststringtable.cpp
  pluginterfaces/base/coreiids.cpp
  pluginterfaces/base/funknown.cpp
  pluginterfaces/base/ustring.cpp
  public.sdk/source/common/memorystream.cpp
  public.sdk/source/common/pluginview.cpp
  public.sdk/source/vst/vstbus.cpp
  public.sdk/source/vst/vstcomponent.cpp
  public.sdk/source/vst/vstcomponentbase.cpp
  public.sdk/source/vst/vsteditcontroller.cpp
  public.sdk/source/vst/vstinitiids.cpp
  public.sdk/source/vst/vstparameters.cpp
  public.sdk/source/vst/vstpresetfile.cpp
  public.sdk/source/vst/hosting/hostclasses.cpp
  public.sdk/source/vst/hosting/pluginterfacesupport.cpp
)
list(TRANSFORM VST3_SDK_SOURCES PREPEND "${VST3_SDK_ROOT}/")

# The subset declares the interface IDs of the plug-in view interfaces but compiles
# no file that defines them, while its EditController refers to IPlugView's. Define
# them inside the SDK library, where the linker finds them next to their users.
set(VST3_GUI_IIDS "${CMAKE_BINARY_DIR}/vst3sdk_gui_iids.cpp")
file(CONFIGURE OUTPUT "${VST3_GUI_IIDS}" CONTENT [[
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
namespace Steinberg {
DEF_CLASS_IID(IPlugView)
DEF_CLASS_IID(IPlugFrame)
DEF_CLASS_IID(IPlugViewContentScaleSupport)
#if SMTG_OS_LINUX
DEF_CLASS_IID(Linux::IEventHandler)
DEF_CLASS_IID(Linux::ITimerHandler)
DEF_CLASS_IID(Linux::IRunLoop)
#endif
}
]])
list(APPEND VST3_SDK_SOURCES "${VST3_GUI_IIDS}")

add_library(vst3sdk STATIC ${VST3_SDK_SOURCES})
target_include_directories(vst3sdk SYSTEM PUBLIC "${VST3_SDK_ROOT}")
target_compile_definitions(vst3sdk PUBLIC
  $<IF:$<CONFIG:Debug>,DEVELOPMENT=1,RELEASE=1>)
# Third-party code: its warnings are not ours to fix.
target_compile_options(vst3sdk PRIVATE -w)
if(LOBESHIFT_PLATFORM STREQUAL "linux")
  target_link_libraries(vst3sdk PUBLIC Threads::Threads dl)
else()
  # The base library makes class IDs with CoCreateGuid and writes debug lines with
  # OutputDebugString; both are Windows' own.
  target_link_libraries(vst3sdk PUBLIC Threads::Threads ole32)
endif()
