#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test; then builds the suites whose code runs threads (link,
# virtual plotter, jobs) with ThreadSanitizer and runs them again; last it
# builds the Debian packages in Release and checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${BUILD_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPV_SANITIZE=ON -DPV_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"

tsan=${TSAN_BUILD_DIR:-build-tsan}
cmake -S . -B "$tsan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPV_TSAN=ON >/dev/null
cmake --build "$tsan" -j"$(nproc)" --target tsan_suites
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
ctest --test-dir "$tsan" --output-on-failure -j"$(nproc)"

# The Debian packages of both editions, built in Release, unpacked into a
# scratch root and started from there.
release=${RELEASE_BUILD_DIR:-build-release}
bash scripts/package.sh "$release"
bash tests/package/package_test.sh "$release"
