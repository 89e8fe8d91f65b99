#!/bin/sh
# Builds the game fuzzer with clang and runs it for a bounded time, seeded
# with fuzz/corpus. A crash, a sanitizer report or a broken rule fails the
# run; the input that caused it stays in build/fuzz/findings and is printed
# here in hex. Usage: fuzz/run_fuzz.sh [SECONDS] (default 45)
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-45}
build=build/fuzz
CXX=${FUZZ_CXX:-clang++-14} cmake -S fuzz -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target game_fuzzer -j2
mkdir -p "$build/corpus" "$build/findings"

status=0
"$build/game_fuzzer" "$build/corpus" fuzz/corpus -dict=fuzz/keys.dict \
    -max_total_time="$seconds" -timeout=20 -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$build/findings/" >"$build/fuzz.log" 2>&1 || status=$?
if [ "$status" -eq 0 ]; then
    grep -E '^(Done|stat::)' "$build/fuzz.log"
    exit 0
fi
grep -v '^#[0-9]' "$build/fuzz.log" | tail -n 60

echo "FAIL: the fuzzer stopped with status $status; the input that did it:"
for finding in "$build"/findings/*; do
    [ -f "$finding" ] || continue
    echo "$finding"
    od -An -tx1 -v "$finding"
done
exit 1
