#!/bin/sh
# Builds the two fuzzers with clang and runs the game for two thirds of the
# time, the key decoder for the rest, each from its corpus merged afresh from
# fuzz/corpus and the last run's inputs. A finding fails the run; it stays in
# build/fuzz/findings and is printed in hex. Usage: fuzz/run_fuzz.sh [SECONDS]
# (default 45). New seeds: build/fuzz/game_fuzzer -merge=1 fuzz/corpus/game build/fuzz/corpus/game
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-45}
build=build/fuzz
# A tree once configured from fuzz/ alone starts afresh from the checkout.
grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$PWD\$" "$build/CMakeCache.txt" || rm -f "$build/CMakeCache.txt"
CXX=${FUZZ_CXX:-clang++-14} cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBLOCKSLIDE_FUZZERS=ON -DBLOCKSLIDE_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target game_fuzzer decoder_fuzzer
rm -rf "$build/findings" && mkdir -p "$build/findings"

# fuzz TARGET SECONDS OPTIONS...
fuzz() {
    target=$1 time=$2 && shift 2
    fuzzer=$build/${target}_fuzzer corpus=$build/corpus/$target log=$build/$target.log
    rm -rf "$corpus.merged" && mkdir -p "$corpus" "$corpus.merged"
    # The merge plays every input: one that breaks a rule fails the run here.
    # Then inputs may grow to the full length at once: long games, long floods.
    "$fuzzer" -merge=1 "$@" "$corpus.merged" "fuzz/corpus/$target" "$corpus" >"$log" 2>&1 &&
        ! grep -q -e 'broken rule' -e 'ERROR:' "$log" &&
        rm -rf "$corpus" && mv "$corpus.merged" "$corpus" &&
        "$fuzzer" "$corpus" -dict=fuzz/keys.dict -max_total_time="$time" -len_control=0 \
            -print_final_stats=1 -artifact_prefix="$build/findings/" "$@" >>"$log" 2>&1 &&
        grep '^stat::' "$log" | sed "s/^/$target /" && return 0
    grep -v '^#[0-9]' "$log" | tail -n 40
    return 1
}

status=0
fuzz game $((seconds * 2 / 3)) -max_len=65536 -timeout=20 || status=1
fuzz decoder $((seconds - seconds * 2 / 3)) -max_len=1048576 -timeout=10 -rss_limit_mb=1024 \
    -malloc_limit_mb=16 || status=1
[ "$status" -eq 0 ] && exit 0
echo "FAIL: a fuzzer stopped; the input that did it:"
for finding in "$build"/findings/*; do
    [ -f "$finding" ] && echo "$finding" && od -An -tx1 -v "$finding"
done
exit 1
