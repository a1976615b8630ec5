# Cross-compiles for Windows x64 with Debian's mingw-w64 compilers of the posix thread model
# (the win32 model has no std::thread, std::mutex or std::condition_variable).
#
# Libraries, headers and pkg-config files are looked up only under LOBESHIFT_WINDOWS_PREFIX, the
# folder scripts/build-windows-deps installs the Windows builds of our dependencies into, and in
# the compiler's own sysroot (the Windows import libraries); never in the build machine's /usr.
#
#   cmake -S . -B build-windows/lobeshift \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
#     -DLOBESHIFT_WINDOWS_PREFIX=$PWD/build-windows/deps/x86_64-w64-mingw32

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(lobeshift_mingw_triple x86_64-w64-mingw32)

# The unsuffixed x86_64-w64-mingw32-gcc is an alternatives link that may name either thread
# model, so the posix compilers are named outright.
set(CMAKE_C_COMPILER ${lobeshift_mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${lobeshift_mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${lobeshift_mingw_triple}-windres)
set(CMAKE_AR ${lobeshift_mingw_triple}-gcc-ar-posix)
set(CMAKE_RANLIB ${lobeshift_mingw_triple}-gcc-ranlib-posix)

# try_compile projects read this file again; they need the prefix as well.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LOBESHIFT_WINDOWS_PREFIX)
if(NOT LOBESHIFT_WINDOWS_PREFIX)
  message(FATAL_ERROR "LOBESHIFT_WINDOWS_PREFIX is not set: pass -DLOBESHIFT_WINDOWS_PREFIX=<dir> "
                      "with the folder scripts/build-windows-deps installed into")
endif()
if(NOT IS_ABSOLUTE "${LOBESHIFT_WINDOWS_PREFIX}" OR NOT IS_DIRECTORY "${LOBESHIFT_WINDOWS_PREFIX}")
  message(FATAL_ERROR "LOBESHIFT_WINDOWS_PREFIX must be an existing absolute folder: "
                      "${LOBESHIFT_WINDOWS_PREFIX}")
endif()

set(CMAKE_FIND_ROOT_PATH "${LOBESHIFT_WINDOWS_PREFIX}" /usr/${lobeshift_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The host's pkg-config reads only the Windows .pc files. Our libraries are static, so their
# private dependencies (cairo's pixman, png, freetype and zlib) must be linked as well.
set(ENV{PKG_CONFIG_LIBDIR} "${LOBESHIFT_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_ARGN --static)

# A plug-in module may need nothing but Windows' own DLLs: -static links libgcc, libstdc++ and
# libwinpthread into it (the Windows system libraries stay imports, as they are import libraries).
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)
