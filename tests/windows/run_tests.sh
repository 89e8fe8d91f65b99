#!/bin/sh
# Cross-builds both games and the test suite for Windows with mingw-w64 and
# runs the tests under wine, in a wine prefix of the build's own.
#   tests/windows/run_tests.sh        (from anywhere in the source tree)
set -eu
cd "$(dirname "$0")/../.."

# googletest has no mingw package: it is built once from the Debian sources.
gtest_build=build/windows-gtest
if [ ! -f "$gtest_build/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest_build" -G Ninja \
        --toolchain "$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$PWD/$gtest_build/install" >/dev/null
    cmake --build "$gtest_build" -j2
    cmake --install "$gtest_build" >/dev/null
fi

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
