# The system the modules are built for, chosen by the toolchain: Linux (X11, dlopen, the host's
# run loop) or Windows (HWND, DLL entry points, window-less Windows timers, resources compiled
# with windres). LOBESHIFT_PLATFORM names the folder of each area's system layer
# (e.g. platform/linux, platform/windows); the code above those layers is the same on both.
include_guard(GLOBAL)

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(LOBESHIFT_PLATFORM linux)
elseif(CMAKE_SYSTEM_NAME STREQUAL "Windows")
  if(NOT MINGW)
    message(FATAL_ERROR "Windows modules are built with mingw-w64 only "
                        "(cmake/toolchains/mingw-w64-x86_64.cmake)")
  endif()
  set(LOBESHIFT_PLATFORM windows)
  enable_language(RC)
else()
  message(FATAL_ERROR "Lobeshift builds for Linux or Windows, not for ${CMAKE_SYSTEM_NAME}")
endif()

# lobeshift_platform_sources(<out> <folder>): the *.cpp files of <folder>/${LOBESHIFT_PLATFORM}.
function(lobeshift_platform_sources out folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/${LOBESHIFT_PLATFORM}/*.cpp)
  if(NOT sources)
    message(FATAL_ERROR "${folder}/${LOBESHIFT_PLATFORM} has no sources")
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()
