#!/usr/bin/env bash
# Builds the program and its widget tests, then takes a screenshot of the main window
# after a Range calculation under a virtual X server. The picture is a build artefact:
# build/artefacts/range-calculation.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j3 --target test_app_ui kelvra32
mkdir -p build/artefacts
VAPOQUANT_SCREENSHOT="$PWD/build/artefacts/range-calculation.png" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/test_app_ui --gtest_filter='Screenshot.*'
echo "written: build/artefacts/range-calculation.png"
