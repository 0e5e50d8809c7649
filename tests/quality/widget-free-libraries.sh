#!/usr/bin/env bash
# Fails when a static library refers to widget code: to a symbol that Qt's widget library
# defines, or to one of the dialog classes of Qt PrintSupport. Qt PrintSupport itself links
# the widget library, so the link lines of the layers below the windows name it anyway;
# what counts is what their own objects use.
# Usage: widget-free-libraries.sh NM WIDGETS_LIBRARY DIALOG_CLASSES LIBRARY...
#   DIALOG_CLASSES: the dialog class names separated by "|".
set -euo pipefail
nm="$1"
widgets="$2"
dialogs="$3"
shift 3

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The widget library's own symbols, without their version ("@@Qt_6").
"$nm" -D --defined-only "$widgets" | awk 'NF >= 3 { sub(/@.*/, "", $3); print $3 }' | sort -u >"$work/widgets"
if [ ! -s "$work/widgets" ]; then
  echo "no symbols read from $widgets" >&2
  exit 2
fi

status=0
for library in "$@"; do
  "$nm" -u "$library" | awk '$1 == "U" { print $2 }' | sort -u >"$work/used"
  {
    comm -12 "$work/widgets" "$work/used"
    # A class name appears in a mangled symbol after its length: 12QPrintDialog.
    grep -E "[0-9](${dialogs})" "$work/used" || true
  } | sort -u >"$work/found"
  if [ -s "$work/found" ]; then
    echo "$(basename "$library") uses widget code:"
    c++filt <"$work/found" | sed 's/^/  /'
    status=1
  else
    echo "$(basename "$library"): no widget code"
  fi
done
exit "$status"
