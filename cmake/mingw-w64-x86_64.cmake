# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 toolchain (package
# g++-mingw-w64-x86-64-posix). The posix flavour has std::thread and std::mutex, which the
# engine uses. Programs run on the build machine through wine (CMAKE_CROSSCOMPILING_EMULATOR),
# so ctest and GoogleTest's test discovery work as they do for a native build.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

# Headers, libraries and packages come from the MinGW sysroot only (src/cli and tests bring in
# CLI11 and GoogleTest from the build machine's sources themselves).
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLLs to hunt for next to slotsmith.exe: the C++ runtime and winpthread go into the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(SLOTSMITH_WINE NAMES wine wine64)
if(SLOTSMITH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SLOTSMITH_WINE})
endif()
