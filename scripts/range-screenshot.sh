#!/usr/bin/env bash
# Builds the program and its widget tests, then takes a screenshot of the main window
# after a Range calculation under a virtual X server, and prints that kind of Range as
# a PDF report whose first page is rendered as a picture. Build artefacts:
# build/artefacts/range-calculation.png, range-report.pdf and range-report.png.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j3 --target test_app_ui test_printing_ui kelvra32
mkdir -p build/artefacts
VAPOQUANT_SCREENSHOT="$PWD/build/artefacts/range-calculation.png" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/test_app_ui --gtest_filter='Screenshot.*'
echo "written: build/artefacts/range-calculation.png"
VAPOQUANT_RANGE_REPORT="$PWD/build/artefacts/range-report.pdf" QT_QPA_PLATFORM=offscreen \
  build/tests/test_printing_ui --gtest_filter='RangeReport.*'
pdftoppm -png -r 110 -f 1 -l 1 -singlefile build/artefacts/range-report.pdf build/artefacts/range-report
echo "written: build/artefacts/range-report.pdf, build/artefacts/range-report.png"
