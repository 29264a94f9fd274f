#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# over a copy of its seed corpus: fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# Fails on the first crash or sanitizer report; the input that caused it and
# each target's log are left in build/fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(bmp_loader_fuzz overworld_map_fuzz)

declare -A max_len=([bmp_loader_fuzz]=4096 [overworld_map_fuzz]=16384)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]}"
findings=build/fuzz/findings
mkdir -p "$findings"
for target in "${targets[@]}"; do
    name=${target%_fuzz}
    work=$(mktemp -d)
    cp -r "fuzz/corpus/$name/." "$work/"
    echo "fuzzing $target for $seconds s"
    status=0
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "build/fuzz/fuzz/$target" -max_total_time="$seconds" -max_len="${max_len[$target]:-4096}" \
        -artifact_prefix="$findings/$name-" -print_final_stats=1 "$work" >"$findings/$name.log" 2>&1 || status=$?
    grep -E "stat::number_of_executed_units|ERROR|SUMMARY|Test unit written" "$findings/$name.log" || true
    rm -rf "$work"
    if [ "$status" -ne 0 ]; then
        echo "fuzz: $target failed (status $status); see $findings" >&2
        exit 1
    fi
done
