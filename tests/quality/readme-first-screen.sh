#!/usr/bin/env bash
# Fails unless the README's table of the two commands, ./run.sh and ./test.sh, stands
# within its first screen (the first 40 lines), where a reader who opens the repository
# finds it without scrolling past the description of the methods.
# Usage: readme-first-screen.sh README.md
set -euo pipefail
first_screen="$(head -n 40 "$1")"
for command in ./run.sh ./test.sh; do
  grep -qF "| \`$command\` |" <<<"$first_screen" || {
    echo "$1: the command $command is not in the table of its first 40 lines" >&2
    exit 1
  }
done
