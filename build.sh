#!/usr/bin/env bash
# Splotchery's one build script.
#   ./build.sh run    install what is missing, build, start the game
#   ./build.sh test   install what is missing, build, run every test and check
#   ./build.sh count  program lines, test lines and their ratio (tools/count-lines)
#   ./build.sh mutate install what is missing, then plant faults one at a time (tools/mutate)
#                     and report which the tests notice; slow, so not part of test
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

# Debian packages: what building and playing needs, and what the checks need.
# qt6-wayland lets the game run as a native Wayland client; X11 needs nothing more.
run_pkgs=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-wayland
          qt6-l10n-tools qt6-translations-l10n)
# The tests run offscreen; the checks need clang's libFuzzer, Google Benchmark and
# the desktop-file, AppStream and packaging tools, and a real X server with a
# small window manager, xdotool and imagemagick for the end-to-end test; a D-Bus
# session with the AT-SPI bus and its Python bindings for the screen reader's test;
# the CJK fonts (57 MB download) that the Japanese and Chinese texts are fitted with.
test_pkgs=(clang libclang-rt-14-dev clang-format libbenchmark-dev desktop-file-utils appstream dpkg-dev file lintian
           xvfb xauth openbox xdotool wmctrl x11-utils imagemagick python3
           dbus at-spi2-core python3-pyatspi fonts-noto-cjk)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        $SUDO apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

configure_build() { # dir, extra cmake args...
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "$mode" in
run)
    install_missing "${run_pkgs[@]}"
    configure_build build/release
    exec build/release/shell/splotchery
    ;;
test)
    install_missing "${run_pkgs[@]}" "${test_pkgs[@]}"
    export CTEST_OUTPUT_ON_FAILURE=1

    echo "== every C++ file formatted as .clang-format says"
    tools/check-format

    echo "== engine alone, no Qt anywhere"
    configure_build build/engine-only -DSPLOT_ENGINE_ONLY=ON -DSPLOT_BENCH=OFF

    echo "== release build and tests"
    configure_build build/release
    ctest --test-dir build/release -j "$jobs"

    echo "== the player's road: the built game on a real X server (Xvfb + openbox + xdotool)"
    tests/e2e/run.sh build/release

    echo "== AddressSanitizer + UndefinedBehaviorSanitizer build and tests"
    configure_build build/asan -DSPLOT_SANITIZE=ON -DSPLOT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    ctest --test-dir build/asan -j "$jobs"

    echo "== fuzzing the settings file reader and writer"
    CXX=clang++ configure_build build/fuzz -DSPLOT_ENGINE_ONLY=ON -DSPLOT_FUZZ=ON -DSPLOT_BENCH=OFF
    mkdir -p build/fuzz/corpus
    build/fuzz/fuzz/profile_fuzz -max_total_time="${SPLOT_FUZZ_SECONDS:-60}" -rss_limit_mb=2048 \
        build/fuzz/corpus fuzz/corpus >build/fuzz/fuzz.log 2>&1 || { tail -40 build/fuzz/fuzz.log; exit 1; }
    tail -2 build/fuzz/fuzz.log

    echo "== engine benchmark (one short run)"
    build/release/bench/engine_bench --benchmark_min_time=0.05

    if [ -x tools/check-install.sh ]; then
        echo "== desktop files, install and package"
        tools/check-install.sh build/release
    fi
    echo "== all tests and checks passed"
    ;;
count)
    exec tools/count-lines
    ;;
mutate)
    install_missing "${run_pkgs[@]}" python3
    shift
    exec python3 tools/mutate "$@"
    ;;
*)
    echo "usage: $0 run|test|count|mutate" >&2
    exit 2
    ;;
esac
