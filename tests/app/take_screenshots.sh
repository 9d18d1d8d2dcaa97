#!/usr/bin/env bash
# Takes the README's pictures of the editor on a virtual X display:
#   tests/app/take_screenshots.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=${1:?build folder}
out=${2:?output folder}
mkdir -p "$out"
TESSARAN_TEST_PLATFORM=xcb TESSARAN_SCREENSHOT_DIR="$(realpath "$out")" \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$build/tests/app/tests_app" --gtest_filter='Screenshots.*'
