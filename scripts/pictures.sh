#!/usr/bin/env bash
# Takes every picture of the documentation anew with the project's own code, from the shipped
# samples (data/samples), and writes each under its name in OUT_DIR (default docs/):
#   - windows, dialogs and messages: the tests' picture hooks (QVT_DOCS_DIR), on Qt's offscreen
#     platform at the windows' own sizes; a file dialog shows the samples folder of an install
#     into a fixed prefix, so no path of this machine is in view;
#   - report figures (figures/, sand-check-figure.png): the engines run on each sample, their
#     figure files drawn by build/devtools/qvt_pzk_render;
#   - two pages of the rendered manual (manual-page-*.png): the PDF the build renders, drawn by
#     pdftoppm.
# Run it after a change to the samples, the windows or the manual, and commit what changed.
#
#   bash scripts/pictures.sh [OUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/docs}")
build=$root/build
prefix=/tmp/Tervane  # the install the file dialogs show: the same path on every machine

# poppler-utils draws the manual's pages; a tool for the pictures, not a need of the program.
if ! command -v pdftoppm >/dev/null || ! command -v pdftotext >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends poppler-utils
fi

cd "$root"
[ -f "$build/build.ninja" ] || cmake --preset default
cmake --build --preset default

scratch=$(mktemp -d)
trap 'rm -rf "$scratch" "$prefix"' EXIT
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
mkdir -p "$out/manual" "$out/samples" "$out/figures" "$scratch/figures"
# Every picture already in OUT_DIR must be taken anew: one left older than this stamp means a
# hook was renamed or lost, and the picture would silently show an older program.
touch "$scratch/stamp"
sleep 1

# Every program run gets a private home, runtime and work folder.
run() {
  local home
  home=$(mktemp -d "$scratch/run.XXXXXX")/home  # a file dialog's side bar shows its name
  mkdir -p "$home/runtime" "$home/work"
  chmod 700 "$home/runtime"
  env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_DATA_HOME="$home/data" \
      XDG_CONFIG_HOME="$home/config" QVT_WORK_DIR="$home/work" QT_QPA_PLATFORM=offscreen \
      LC_ALL=C.UTF-8 TZ=UTC SOURCE_DATE_EPOCH=1767225600 "$@"
}

# Windows, dialogs and messages.
run env QVT_DOCS_DIR="$out" QVT_SAMPLES_DIR="$prefix/bin/samples" \
    QVT_DOCS_FIGURES="$scratch/figures" \
    "$build/tests/shell_tests" --gtest_filter='DocPictures.*:BlockDialogsTest.Screenshots'
run env QVT_DOCS_DIR="$out/samples" "$build/tests/shell_tests" \
    --gtest_filter='ShippedSamplesTest.ToolbarCalculationAndEccentricCheckPassWithoutAMessage'
run env QVT_DOCS_DIR="$out" "$build/tests/results_widget_tests" --gtest_filter='Form7Test.ChartPictures'
run env QVT_DOCS_DIR="$out" "$build/tests/dialogs_widget_tests" --gtest_filter='*Screenshot*'
run env QVT_DOCS_DIR="$out" "$build/tests/import_widget_tests" --gtest_filter='*Screenshot*'

# The figures of the report: each sample through the engines, in the run's order.
pzk_render="run $build/devtools/qvt_pzk_render"
$pzk_render "$scratch/figures/sand-check-figure.PZK" "$out/sand-check-figure.png"
for msj in data/samples/*.MSJ; do
  name=$(basename "$msj" .MSJ)
  work=$scratch/work-$name
  mkdir -p "$work"
  "$build/devtools/qvt_work_input" "$msj" "$work" >/dev/null
  for engine in SAVELIN PELUDRA ZENOBAR OSKAVEL VASKUDE TOLMIRE MERITAN JORPELA; do
    (cd "$work" && SOURCE_DATE_EPOCH=1767225600 "$build/bin/$engine" </dev/null >/dev/null 2>"$work/$engine.err") ||
      { echo "$engine failed on $name:" >&2; cat "$work/$engine.err" >&2; exit 1; }
  done
  for figure in M_BLKDV DOATU_Z0 DOATU_Z1; do
    $pzk_render "$work/$figure.PZK" "$out/figures/${name}_$figure.png"
  done
  # The surcharge figure of an arbitrary ground surface, where a sample has one.
  if [ -f "$work/JKJUZ000.PZK" ]; then
    $pzk_render "$work/JKJUZ000.PZK" "$out/figures/${name}_JKJUZ000.png"
  fi
done

# The manual's pages: rendered again with the new pictures, then two of them drawn at 80 dpi.
cmake --build --preset default --target manuals >/dev/null
pdf=$build/bin/操作説明.pdf
page_of() {  # the first page with a line that starts with the heading's number and first word
  local pages n
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  for ((n = 1; n <= pages; n++)); do
    # grep reads the whole page (no -q): an early exit would end pdftotext with SIGPIPE, which
    # pipefail turns into a miss on a long page.
    if pdftotext -f "$n" -l "$n" "$pdf" - | grep -E "$1" >/dev/null; then echo "$n"; return; fi
  done
  echo "no page holds \"$1\"" >&2
  exit 1
}
manual_page() {
  local n
  n=$(page_of "$1")
  pdftoppm -f "$n" -l "$n" -r 80 -png -singlefile "$pdf" "$scratch/page"
  mv "$scratch/page.png" "$out/$2"
}
# (pdftotext gives some characters as their radical forms, so only the start is matched.)
manual_page "^1\.2 例題" manual-page-first-run.png
manual_page "^8\.2 偏" manual-page-sand-check.png

stale=$(find "$out" -name '*.png' ! -newer "$scratch/stamp" | sort)
if [ -n "$stale" ]; then
  echo "not retaken (no hook took them; rename or remove them):" >&2
  echo "$stale" >&2
  exit 1
fi
echo "pictures written under $out"
