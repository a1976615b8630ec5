# cmake -DFROM=<Linux build>/presets -DTO=<Windows build>/presets -P copy_presets.cmake
# The presets are the same bytes on every system; a Linux build must have made them.
file(GLOB_RECURSE presets RELATIVE "${FROM}" "${FROM}/*.vstpreset")
if(NOT presets)
  message(FATAL_ERROR "No factory presets in ${FROM}: build the Linux target \"presets\" "
    "first (scripts/build-windows does it).")
endif()
file(REMOVE_RECURSE "${TO}")
foreach(preset ${presets})
  get_filename_component(folder "${TO}/${preset}" DIRECTORY)
  file(COPY "${FROM}/${preset}" DESTINATION "${folder}")
endforeach()
