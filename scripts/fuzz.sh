#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a bounded time.
#   scripts/fuzz.sh [seconds-per-target [target...]]    (default 60 s; all targets)
# Each target starts from copies of tests/data/** in a scratch folder (HUEMARK_FUZZ_DIR, or a new
# folder under /tmp); the corpus it grows and any crashing input stay there, never in the
# repository. Exits non-zero when a target crashes, leaks, hangs or runs out of memory.
# HUEMARK_FUZZ_ARGS adds libFuzzer options, e.g. "-fork=1 -ignore_ooms=1" to go on past a
# known out-of-memory finding.
set -euo pipefail

seconds="${1:-60}"
shift || true
wanted=("$@")
[ ${#wanted[@]} -gt 0 ] || wanted=(fuzz_loadpicture fuzz_pictureregion fuzz_metafile fuzz_listreaders)
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"

CXX=clang++ CC=clang cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DHUEMARK_FUZZ=ON -DHUEMARK_BENCH=OFF >/dev/null

# A target asked for that the build does not define is a failure, never a quiet skip.
targets=()
defined="$(ninja -C "$build" -t targets all)"
for t in "${wanted[@]}"; do
    if ! grep -q "^$t:" <<<"$defined"; then
        echo "fuzz: $t is not defined by the build" >&2
        exit 1
    fi
    targets+=("$t")
done
ninja -C "$build" -j2 "${targets[@]}"

scratch="${HUEMARK_FUZZ_DIR:-}"
own_scratch=0
if [ -z "$scratch" ]; then
    scratch="$(mktemp -d /tmp/huemark-fuzz.XXXXXX)"
    own_scratch=1
fi
echo "fuzz: working in $scratch"
# Fontconfig keeps the font lists Qt asks for on first use until exit: not a leak of ours. The
# AV1 decoder behind libheif leaks 40 bytes on an AVIF whose data extent is empty (libdav1d's own
# fault, Debian 12): the fuzzer would stop there instead of searching on.
suppressions="$scratch/lsan.supp"
printf 'leak:libfontconfig.so\nleak:libdav1d.so\n' >"$suppressions"
status=0
for t in "${targets[@]}"; do
    dir="$scratch/$t"
    mkdir -p "$dir/seeds" "$dir/corpus" "$dir/artifacts"
    # Flattened names: raster/x.gif becomes raster_x.gif, so folders cannot collide.
    while IFS= read -r -d '' f; do
        rel="${f#"$root/tests/data/"}"
        cp "$f" "$dir/seeds/${rel//\//_}"
    done < <(find "$root/tests/data" -type f ! -name '*.sh' -print0)
    binary="$(find "$build/fuzz" -type f -name "$t" -perm -u+x | head -n1)"
    echo "fuzz: running $t for ${seconds}s"
    set +e
    ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" LSAN_OPTIONS="suppressions=$suppressions" \
        UBSAN_OPTIONS="print_stacktrace=1" \
        "$binary" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -artifact_prefix="$dir/artifacts/" -print_final_stats=1 ${HUEMARK_FUZZ_ARGS:-} \
        "$dir/corpus" "$dir/seeds" >"$dir/log" 2>&1
    rc=$?
    set -e
    grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)' \
        "$dir/log" || true
    if [ $rc -ne 0 ]; then
        status=1
        echo "fuzz: $t FAILED (exit $rc); log $dir/log, inputs:" >&2
        ls -1 "$dir/artifacts" >&2 || true
        grep -m1 -A12 -E '^==[0-9]+==ERROR|runtime error|deadly signal|Timeout|out-of-memory' \
            "$dir/log" >&2 || true
    else
        echo "fuzz: $t passed ($(find "$dir/corpus" -type f | wc -l) inputs in its corpus)"
    fi
done
# A clean run leaves nothing behind; a failing one keeps its inputs for a look.
if [ $status -eq 0 ] && [ $own_scratch -eq 1 ]; then
    rm -rf "$scratch"
fi
exit $status
