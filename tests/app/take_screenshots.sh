#!/usr/bin/env bash
# Takes the README's pictures of the editor and the builder on a virtual X display:
#   tests/app/take_screenshots.sh BUILD_DIR OUTPUT_DIR
# The window tests that check a layout save a picture of it when TESSARAN_SCREENSHOT_DIR
# names a folder; the builder's test saves its window during a build to LEXIFORGE_SCREENSHOT.
set -euo pipefail
build=${1:?build folder}
out=$(realpath "${2:?output folder}")
mkdir -p "$out"
shoot() {
    TESSARAN_TEST_PLATFORM=xcb QT_QPA_PLATFORM=xcb TESSARAN_SCREENSHOT_DIR="$out" \
        LEXIFORGE_SCREENSHOT="$out/lexiforge-building.png" \
        xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$@"
}
shoot "$build/tests/app/tests_app" \
    --gtest_filter='Screenshots.*:FillWindows.*:WordSearchWindow.*:GridTools.*:EditingWindow.*-*CapsLock'
shoot "$build/tests/app/tests_property_windows" --gtest_filter='PropertyWindows.Every*'
shoot "$build/tests/app/tests_print_windows"
# The builder is caught part way through a build, which a fast run can finish first.
for attempt in 1 2 3 4 5; do
    shoot "$build/tests/builder/tests_builder_windows" --gtest_filter='BuilderWindow.Abandon*' &&
        break
done
