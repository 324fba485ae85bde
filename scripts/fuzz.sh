#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on the
# code under test) and runs each for a bounded time, starting from the seeds in fuzz/corpus/.
# New inputs go to fuzz/corpus-run/, which is not kept. A crash or a broken property stops the run
# and leaves the input that caused it in the build folder.
#
#   FUZZ_SECONDS   time per target (default 60)
#   FUZZ_BUILD_DIR build folder (default build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
build=${FUZZ_BUILD_DIR:-build/fuzz}
targets=(fuzz_calculation_file fuzz_parse_number fuzz_fire_load_file fuzz_building_file)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOVERPRESSURE_FUZZERS=ON -DOVERPRESSURE_TESTS=OFF -DOVERPRESSURE_BENCHMARKS=OFF
cmake --build "$build" -j 2 --target "${targets[@]}"

for target in "${targets[@]}"; do
    seeds=fuzz/corpus/${target#fuzz_}
    corpus=fuzz/corpus-run/${target#fuzz_}
    mkdir -p "$corpus"
    echo "== $target: ${seconds} s"
    (cd "$build" && ASAN_OPTIONS=detect_leaks=0 "./fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -max_len=4096 "$OLDPWD/$corpus" "$OLDPWD/$seeds")
done
