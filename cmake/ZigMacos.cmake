# Cross compiles for macOS with Zig's clang, which carries libc++ and the macOS C library headers
# and links Mach-O without an Apple SDK. Enough for the engine and the command-line tool (plain
# POSIX); not for the desktop application, which needs Qt and Apple's frameworks.
#
# scripts/cross-macos.sh installs Zig and writes the wrappers this file names:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/ZigMacos.cmake -DSLOTSMITH_ZIG_WRAPPERS=<dir>
#         -DSLOTSMITH_MACOS_ARCH=x86_64|aarch64 ...
# <dir> holds zig-c++-<arch>-macos, zig-cc-<arch>-macos, zig-ar and zig-ranlib.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR ${SLOTSMITH_MACOS_ARCH})
# The checks CMake compiles while configuring read this file again in a folder of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SLOTSMITH_ZIG_WRAPPERS SLOTSMITH_MACOS_ARCH)

set(CMAKE_CXX_COMPILER ${SLOTSMITH_ZIG_WRAPPERS}/zig-c++-${SLOTSMITH_MACOS_ARCH}-macos)
# Projects that enable C as well (GoogleTest's) get Zig's C compiler: the build machine's gcc
# would have CMake look for Apple's install_name_tool, which does not exist here.
set(CMAKE_C_COMPILER ${SLOTSMITH_ZIG_WRAPPERS}/zig-cc-${SLOTSMITH_MACOS_ARCH}-macos)
# CMake insists on Apple's install_name_tool for a Darwin target; it only ever rewrites the names
# of shared libraries, and everything here links statically, so a no-op stands in for it.
set(CMAKE_INSTALL_NAME_TOOL /usr/bin/true CACHE FILEPATH "" FORCE)
set(CMAKE_AR ${SLOTSMITH_ZIG_WRAPPERS}/zig-ar CACHE FILEPATH "" FORCE)
set(CMAKE_RANLIB ${SLOTSMITH_ZIG_WRAPPERS}/zig-ranlib CACHE FILEPATH "" FORCE)
# There is no Apple SDK to point at: Zig brings the headers and libraries.
set(CMAKE_OSX_SYSROOT "" CACHE PATH "" FORCE)

# Libraries and headers of the build machine are Linux ones: never pick them up. Packages are
# found only under the prefixes the cross build prepares (CMAKE_FIND_ROOT_PATH).
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
