# lobeshift_bundle(<target> <bundle name> SOURCES ... [LINK ...] [NO_INSTALL] [NO_VST2])
#
# Builds a VST 3 plug-in module as a bundle of the system built for:
#   Linux:   ${PROJECT_BINARY_DIR}/bundles/<bundle name>.vst3/Contents/x86_64-linux/<bundle name>.so
#            exporting GetPluginFactory, ModuleEntry and ModuleExit (VST 3) and VSTPluginMain (VST 2)
#   Windows: ${PROJECT_BINARY_DIR}/bundles/<bundle name>.vst3/Contents/x86_64-win/<bundle name>.vst3
#            (a DLL) exporting GetPluginFactory, InitDll and ExitDll (VST 3) and VSTPluginMain
# and nothing else, so two bundles loaded into one host never see each other's code. On Linux,
# `cmake --install` copies the bundle to LOBESHIFT_VST3_INSTALL_DIR and links its module file
# into each of LOBESHIFT_VST2_INSTALL_DIRS, where Linux VST 2 hosts look, unless NO_INSTALL is
# given (test bundles). One file serves both formats; NO_VST2 makes a VST 3 module only (test
# bundles without a VSTPluginMain).
#
# The bundles also install as the component "package", which only an explicit
# `cmake --install <build dir> --component package --prefix <prefix>` installs, in the layout
# scripts/package makes its artifacts from: on Linux the system's, lib/vst3/<bundle name>.vst3
# for VST 3 hosts and a relative link lib/lxvst/<bundle name>.so to its module for VST 2 hosts;
# on Windows VST3/<bundle name>.vst3, as in Common Files\VST3.
include_guard(GLOBAL)

set(LOBESHIFT_VST3_INSTALL_DIR "$ENV{HOME}/.vst3"
    CACHE PATH "Folder that `cmake --install` copies the VST 3 bundles to")

set(LOBESHIFT_VST3_PRESET_INSTALL_DIR "$ENV{HOME}/.vst3/presets"
    CACHE PATH "Folder that `cmake --install` copies the factory presets to")

# ~/.lxvst is the Linux VST 2 hosts' own folder, ~/.vst the one that hosts sharing their
# search path with other systems look in by convention.
set(LOBESHIFT_VST2_INSTALL_DIRS "$ENV{HOME}/.lxvst;$ENV{HOME}/.vst"
    CACHE STRING "Folders that `cmake --install` links the modules into for VST 2 hosts")

# The bundle of each build, by variant: its name and where the build puts it.
set(LOBESHIFT_BUNDLE_NAME_stereo LobeshiftStereo64)
set(LOBESHIFT_BUNDLE_NAME_mono Lobeshift64)
function(lobeshift_bundle_path variant out)
  set(${out} "${PROJECT_BINARY_DIR}/bundles/${LOBESHIFT_BUNDLE_NAME_${variant}}.vst3" PARENT_SCOPE)
endfunction()

set(LOBESHIFT_BUNDLE_EXPORTS "${PROJECT_BINARY_DIR}/lobeshift_bundle_exports.map")
file(WRITE "${LOBESHIFT_BUNDLE_EXPORTS}"
  "{\n  global:\n    GetPluginFactory;\n    ModuleEntry;\n    ModuleExit;\n    VSTPluginMain;\n  local:\n    *;\n};\n")

# The module file of a bundle: <folder>/<bundle name><suffix>, built from our sources and links.
function(lobeshift_module_file target bundle_name suffix folder sources links)
  add_library(${target} MODULE ${sources})
  lobeshift_warnings(${target})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE ${links})
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME "${bundle_name}"
    SUFFIX "${suffix}"
    LIBRARY_OUTPUT_DIRECTORY "${folder}")
endfunction()

function(lobeshift_bundle target bundle_name)
  if(LOBESHIFT_PLATFORM STREQUAL "windows")
    lobeshift_windows_bundle(${target} ${bundle_name} ${ARGN})
    return()
  endif()
  cmake_parse_arguments(ARG "NO_INSTALL;NO_VST2" "" "SOURCES;LINK" ${ARGN})
  set(bundle_dir "${PROJECT_BINARY_DIR}/bundles/${bundle_name}.vst3")
  set(binary_dir "${bundle_dir}/Contents/x86_64-linux")

  lobeshift_module_file(${target} ${bundle_name} .so "${binary_dir}" "${ARG_SOURCES}" "${ARG_LINK}")
  set_target_properties(${target} PROPERTIES LINK_DEPENDS "${LOBESHIFT_BUNDLE_EXPORTS}")
  target_link_options(${target} PRIVATE
    "LINKER:--version-script=${LOBESHIFT_BUNDLE_EXPORTS}"
    "LINKER:--no-undefined"
    # ModuleEntry and ModuleExit live in lobeshift_sdk and nothing in the module refers
    # to them, so the linker must be told to take them from the archive.
    "LINKER:--undefined=ModuleEntry"
    "LINKER:--undefined=ModuleExit")

  if(NOT ARG_NO_INSTALL)
    set(installed_module
      "${LOBESHIFT_VST3_INSTALL_DIR}/${bundle_name}.vst3/Contents/x86_64-linux/${bundle_name}.so")
    install(TARGETS ${target}
      LIBRARY DESTINATION "${LOBESHIFT_VST3_INSTALL_DIR}/${bundle_name}.vst3/Contents/x86_64-linux")
    foreach(vst2_dir ${LOBESHIFT_VST2_INSTALL_DIRS})
      install(CODE "
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}${vst2_dir}\")
        file(CREATE_LINK \"${installed_module}\"
          \"\$ENV{DESTDIR}${vst2_dir}/${bundle_name}.so\" SYMBOLIC)
        message(STATUS \"Linking: \$ENV{DESTDIR}${vst2_dir}/${bundle_name}.so\")")
    endforeach()

    set(module_in_package "${bundle_name}.vst3/Contents/x86_64-linux")
    install(TARGETS ${target} LIBRARY DESTINATION "lib/vst3/${module_in_package}"
      COMPONENT package EXCLUDE_FROM_ALL)
    install(CODE "
      set(lxvst \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/lxvst\")
      file(MAKE_DIRECTORY \"\${lxvst}\")
      file(CREATE_LINK \"../vst3/${module_in_package}/${bundle_name}.so\"
        \"\${lxvst}/${bundle_name}.so\" SYMBOLIC)
      message(STATUS \"Linking: \${lxvst}/${bundle_name}.so\")"
      COMPONENT package EXCLUDE_FROM_ALL)
  endif()
endfunction()

# The Windows form of lobeshift_bundle: a DLL named <bundle name>.vst3 whose exports a module
# definition file names; the C++ runtime is linked in (the toolchain's -static).
function(lobeshift_windows_bundle target bundle_name)
  cmake_parse_arguments(ARG "NO_INSTALL;NO_VST2" "" "SOURCES;LINK" ${ARGN})
  set(bundle_dir "${PROJECT_BINARY_DIR}/bundles/${bundle_name}.vst3")
  set(exports "${CMAKE_CURRENT_BINARY_DIR}/${target}.def")
  set(entry_points GetPluginFactory InitDll ExitDll)
  if(NOT ARG_NO_VST2)
    list(APPEND entry_points VSTPluginMain)
  endif()
  list(JOIN entry_points "\n  " export_lines)
  file(WRITE "${exports}" "LIBRARY \"${bundle_name}.vst3\"\nEXPORTS\n  ${export_lines}\n")
  lobeshift_module_file(${target} ${bundle_name} .vst3 "${bundle_dir}/Contents/x86_64-win"
    "${ARG_SOURCES};${exports}" "${ARG_LINK}")
  target_link_options(${target} PRIVATE
    "LINKER:--no-undefined"
    # DllMain lives in lobeshift_platform; the C runtime's default one must not be taken.
    "LINKER:--undefined=DllMain"
    # A release module carries no symbol table or debug sections (the libraries' own).
    "$<$<CONFIG:Release>:LINKER:--strip-all>")
  if(NOT ARG_NO_INSTALL)
    install(TARGETS ${target}
      LIBRARY DESTINATION "VST3/${bundle_name}.vst3/Contents/x86_64-win"
      COMPONENT package EXCLUDE_FROM_ALL)
  endif()
endfunction()
