# The stereo and mono products come from one code base. The only switch is the
# compile definition LOBESHIFT_STEREO (1 = stereo, two microphone pairs; 0 = mono).
set(LOBESHIFT_VARIANTS stereo mono)

function(lobeshift_variant_definition target variant)
  if(variant STREQUAL "stereo")
    target_compile_definitions(${target} PUBLIC LOBESHIFT_STEREO=1)
  elseif(variant STREQUAL "mono")
    target_compile_definitions(${target} PUBLIC LOBESHIFT_STEREO=0)
  else()
    message(FATAL_ERROR "unknown variant '${variant}'")
  endif()
endfunction()

# lobeshift_variant_library(<name> SOURCES ... [LINK ...] [LINK_VARIANT ...])
# Creates <name>_stereo and <name>_mono. LINK_VARIANT names libraries that exist
# per variant themselves; each variant links its own flavour of them.
function(lobeshift_variant_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK;LINK_VARIANT;INCLUDE" ${ARGN})
  foreach(variant ${LOBESHIFT_VARIANTS})
    set(target ${name}_${variant})
    add_library(${target} STATIC ${ARG_SOURCES})
    lobeshift_variant_definition(${target} ${variant})
    lobeshift_warnings(${target})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${ARG_INCLUDE})
    target_link_libraries(${target} PUBLIC ${ARG_LINK})
    foreach(dep ${ARG_LINK_VARIANT})
      target_link_libraries(${target} PUBLIC ${dep}_${variant})
    endforeach()
  endforeach()
endfunction()

# lobeshift_library(<name> SOURCES ... [LINK ...]): a library that is the same in both variants.
function(lobeshift_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK;INCLUDE" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  lobeshift_warnings(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR} ${ARG_INCLUDE})
  target_link_libraries(${name} PUBLIC ${ARG_LINK})
endfunction()
