#!/bin/sh
# Builds the fuzz target with the "fuzz" preset (clang++, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz, and runs it a bounded number of times from the
# corpus in tests/fuzz/corpus. Skips (77) where clang++ cannot build with libFuzzer.
# Usage: fuzz.sh SOURCE_DIR RUNS
set -eu
source_dir=$1
runs=$2
cd "$source_dir"

if ! command -v clang++ >/dev/null 2>&1; then
    echo "skipped: clang++ is not installed (apt-get install clang)"
    exit 77
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >"$probe/log" 2>&1; then
    cat "$probe/log"
    echo "skipped: clang++ cannot link with -fsanitize=fuzzer (apt-get install libclang-rt-14-dev)"
    exit 77
fi

cmake --preset fuzz >"$probe/configure.log" 2>&1 || { cat "$probe/configure.log"; exit 1; }
cmake --build --preset fuzz >"$probe/build.log" 2>&1 || { cat "$probe/build.log"; exit 1; }

# New inputs go to a scratch corpus, emptied each run, so runs stay alike and the tree stays clean.
found=build/fuzz/found
rm -rf "$found"
mkdir -p "$found"
build/fuzz/tests/fuzz/grimstep_fuzz_session -runs="$runs" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
    -dict=tests/fuzz/grimstep.dict -artifact_prefix=build/fuzz/ -print_final_stats=1 \
    "$found" tests/fuzz/corpus >"$probe/fuzz.log" 2>&1 || {
    tail -n 60 "$probe/fuzz.log"
    echo "failed: the input that broke a promise is in build/fuzz/ (crash-*, timeout-*, oom-*)"
    exit 1
}
grep -E "^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added|stat::peak_rss_mb)" \
    "$probe/fuzz.log"
