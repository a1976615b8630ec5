# lobeshift_bundle(<target> <bundle name> SOURCES ... [LINK ...] [NO_INSTALL])
#
# Builds a VST 3 plug-in module as a Linux bundle:
#   ${PROJECT_BINARY_DIR}/bundles/<bundle name>.vst3/Contents/x86_64-linux/<bundle name>.so
# The module exports GetPluginFactory, ModuleEntry and ModuleExit and nothing else, so
# two bundles loaded into one host never see each other's code. `cmake --install`
# copies the bundle to LOBESHIFT_VST3_INSTALL_DIR unless NO_INSTALL is given (test bundles).
include_guard(GLOBAL)

set(LOBESHIFT_VST3_INSTALL_DIR "$ENV{HOME}/.vst3"
    CACHE PATH "Folder that `cmake --install` copies the VST 3 bundles to")

set(LOBESHIFT_BUNDLE_EXPORTS "${PROJECT_BINARY_DIR}/lobeshift_bundle_exports.map")
file(WRITE "${LOBESHIFT_BUNDLE_EXPORTS}"
  "{\n  global:\n    GetPluginFactory;\n    ModuleEntry;\n    ModuleExit;\n  local:\n    *;\n};\n")

function(lobeshift_bundle target bundle_name)
  cmake_parse_arguments(ARG "NO_INSTALL" "" "SOURCES;LINK" ${ARGN})
  set(bundle_dir "${PROJECT_BINARY_DIR}/bundles/${bundle_name}.vst3")
  set(binary_dir "${bundle_dir}/Contents/x86_64-linux")

  add_library(${target} MODULE ${ARG_SOURCES})
  lobeshift_warnings(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${ARG_LINK})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME "${bundle_name}"
    SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY "${binary_dir}"
    LINK_DEPENDS "${LOBESHIFT_BUNDLE_EXPORTS}")
  target_link_options(${target} PRIVATE
    "LINKER:--version-script=${LOBESHIFT_BUNDLE_EXPORTS}"
    "LINKER:--no-undefined"
    # ModuleEntry and ModuleExit live in lobeshift_sdk and nothing in the module refers
    # to them, so the linker must be told to take them from the archive.
    "LINKER:--undefined=ModuleEntry"
    "LINKER:--undefined=ModuleExit")

  if(NOT ARG_NO_INSTALL)
    install(TARGETS ${target}
      LIBRARY DESTINATION "${LOBESHIFT_VST3_INSTALL_DIR}/${bundle_name}.vst3/Contents/x86_64-linux")
  endif()
endfunction()
