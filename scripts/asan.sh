#!/usr/bin/env bash
# Builds the tree with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the whole test suite there under Xvfb. Compiled with
# clang++ when it is installed (so that the clang build is proven too), else
# with g++; without the benchmarks. The options the tests run with (halt on
# the first error, leak suppressions for the system's libraries) are set by
# CMake, so `ctest` in build-asan/ by hand behaves the same.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" --no-build

compiler=g++
command -v clang++ >/dev/null && compiler=clang++
args=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler"
  -DKVUI_SANITIZE=ON -DKVUI_BUILD_BENCH=OFF)
command -v ccache >/dev/null && args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$root/build-asan" "${args[@]}"

# The build runs instrumented tools of its own (the host's picture generator).
export LSAN_OPTIONS="suppressions=$root/cmake/lsan.supp:print_suppressions=0"
cmake --build "$root/build-asan" -j "$(nproc)"

cd "$root/build-asan"
exec xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j 2 --timeout 900
