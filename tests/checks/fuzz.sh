#!/bin/sh
# Builds the fuzz target with the "fuzz" preset (clang++, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in a folder of the calling build, so that test runs of two builds
# never share it, and runs it a bounded number of times from the corpus in tests/fuzz/corpus.
# Skips (77) where clang++ cannot build with libFuzzer.
# Usage: fuzz.sh SOURCE_DIR BUILD_DIR RUNS
set -eu
source_dir=$1
fuzz_dir=$2/fuzz
runs=$3
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

cmake --preset fuzz -B "$fuzz_dir" >"$probe/configure.log" 2>&1 || { cat "$probe/configure.log"; exit 1; }
cmake --build "$fuzz_dir" --target grimstep_fuzz_session -j 2 >"$probe/build.log" 2>&1 || {
    cat "$probe/build.log"
    exit 1
}

# New inputs go to a scratch corpus, emptied each run, so runs stay alike and the tree stays clean.
found=$fuzz_dir/found
rm -rf "$found"
mkdir -p "$found"
"$fuzz_dir/tests/fuzz/grimstep_fuzz_session" -runs="$runs" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
    -dict=tests/fuzz/grimstep.dict -artifact_prefix="$fuzz_dir/" -print_final_stats=1 \
    "$found" tests/fuzz/corpus >"$probe/fuzz.log" 2>&1 || {
    tail -n 60 "$probe/fuzz.log"
    echo "failed: the input that broke a promise is in $fuzz_dir/ (crash-*, timeout-*, oom-*)"
    exit 1
}
grep -E "^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added|stat::peak_rss_mb)" \
    "$probe/fuzz.log"
