#!/usr/bin/env bash
# Builds the Debian package and checks it as an administrator would meet it: lintian, the
# desktop entry, AppStream metadata and page-file type validated; the descriptions naming
# both tape methods, the screenshots made by the build and readable; then installed with
# apt, the installed program run headless (tables read from /etc, started from its menu
# entry, a page file opened from the command line and through xdg-open, the example roster,
# usage errors), the results header copyable from the manual page, a changed table kept
# over a reinstall, and nothing of the program left after a purge. Runs as root; leaves the
# package purged.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "package-check.sh installs a package: run it as root" >&2; exit 1; }
if dpkg-query -W -f='${Status}' corvane32 2>/dev/null | grep -q installed; then
  echo "corvane32 is installed already; package-check.sh will not install over it" >&2
  exit 1
fi

"$here/scripts/ensure-packages.sh" lintian desktop-file-utils appstream shared-mime-info \
  xdg-utils libfile-mimeinfo-perl libglib2.0-bin man-db
"$here/scripts/package.sh"
deb="$(ls "$here"/build-package/corvane32_*_amd64.deb)"
work="$(mktemp -d)"
installed=false
cleanup() {
  $installed && dpkg --purge corvane32 >/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "== $*"; }
fail() { echo "FAILED: $*" >&2; exit 1; }

step "lintian"
lintian --fail-on error "$deb" | tee "$work/lintian.txt"

step "desktop entry, AppStream metadata and page-file type"
dpkg-deb -x "$deb" "$work/root"
app_id="$(basename "$(ls "$work"/root/usr/share/applications/*.desktop)" .desktop)"
desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$app_id.metainfo.xml"
mkdir -p "$work/mime/packages"
cp "$work/root/usr/share/mime/packages/$app_id.xml" "$work/mime/packages/"
# It reports a bad type definition on its output but still succeeds.
XDG_DATA_DIRS="$work:/usr/share" update-mime-database "$work/mime" 2>&1 | tee "$work/mime.log"
[ ! -s "$work/mime.log" ] || fail "update-mime-database complained"
page_type="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$work/mime/packages/$app_id.xml")"
[ -f "$work/mime/$page_type.xml" ] || fail "the page-file type did not enter the database"

step "descriptions, screenshots and the example roster"
metainfo="$work/root/usr/share/metainfo/$app_id.metainfo.xml"
dpkg-deb -f "$deb" Description > "$work/description.txt"
grep -q 'one-site' "$work/description.txt" || fail "the package description names no one-site method"
sed -n '/<description>/,/<\/description>/p' "$metainfo" > "$work/appstream-description.txt"
grep -q 'one-site' "$work/appstream-description.txt" || fail "the AppStream description names no one-site method"
# Every screenshot is one the build made, to be published under the homepage; the default
# one shows the program at a size where its texts can be read.
png_width() { echo $((16#$(od -An -tx1 -j16 -N4 "$1" | tr -d ' \n'))); }
shots="$(sed -n 's|.*<image type="source">.*/screenshots/\([^<]*\)</image>.*|\1|p' "$metainfo")"
[ -n "$shots" ] || fail "the AppStream metadata shows no screenshot"
for shot in $shots; do
  [ -f "$here/build-package/samples/$shot" ] || fail "the build made no screenshot $shot"
done
default_shot="$(sed -n '/<screenshot type="default">/,/<\/screenshot>/s|.*/screenshots/\([^<]*\)</image>.*|\1|p' "$metainfo")"
[ "$(png_width "$here/build-package/samples/$default_shot")" -ge 1024 ] \
  || fail "the default screenshot $default_shot is less than 1024 pixels wide"
cmp -s "$work/root/usr/share/doc/corvane32/examples/roster.csv" "$here/examples/roster.csv" \
  || fail "the package does not hold examples/roster.csv in /usr/share/doc/corvane32/examples/"

step "install"
installed=true
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
dpkg -L corvane32 | sort > "$work/files.txt"
[ "$(readlink /usr/bin/corvane32)" = ../lib/corvane32/corvane32 ] || fail "/usr/bin/corvane32 is not the link"
[ "$(readlink /usr/lib/corvane32/TABLES)" = /etc/corvane32/TABLES ] || fail "TABLES beside the program"
conffiles="$(dpkg-query -W -f='${Conffiles}\n' corvane32 | grep -c '^ /etc/corvane32/TABLES/' || true)"
tables="$(find "$here/TABLES" -maxdepth 1 -type f | wc -l)"
[ "$conffiles" -eq "$tables" ] || fail "expected the $tables tables as conffiles, found $conffiles"

page_file="$work/week.tsr"
cp "$here/build-package/samples/worksheet.tsr" "$page_file"
cp "$page_file" "$work/week-without-extension"
export QT_QPA_PLATFORM=offscreen

# Starts the command in the background, its standard error into $work/stderr; sets $pid.
start() { "$@" 2>"$work/stderr" & pid=$!; }
# Waits up to 20 s for the text on standard error, then ends the process.
expect_error_then_stop() {
  local text="$1"; shift
  start "$@"
  for _ in $(seq 200); do grep -qF "$text" "$work/stderr" && break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
  grep -qF "$text" "$work/stderr" || { cat "$work/stderr" >&2; fail "$* did not report: $text"; }
}
# The command must still run after 4 s, without an error of the program, and is then ended.
expect_running_then_stop() {
  start "$@"
  sleep 4
  kill -0 "$pid" 2>/dev/null || { cat "$work/stderr" >&2; fail "$* ended early"; }
  kill "$pid"; wait "$pid" 2>/dev/null || true
  ! grep -qE 'corvane32:|Runtime error' "$work/stderr" || { cat "$work/stderr" >&2; fail "$* reported an error"; }
}

step "the installed program"
env -u DISPLAY -u QT_QPA_PLATFORM corvane32 --version | grep -q '^Corvane 32 ' || fail "--version"
status=0; corvane32 "$work/week.pdf" 2>"$work/stderr" || status=$?
[ "$status" -eq 2 ] && grep -q 'is not a page file' "$work/stderr" || fail "a PDF file is no usage error ($status)"
expect_running_then_stop corvane32
expect_running_then_stop corvane32 "$page_file"
expect_running_then_stop corvane32 "$work/week-without-extension"
printf 'no pages here' > "$work/junk.tsr"
expect_error_then_stop "junk.tsr: The file is not a report page file." corvane32 "$work/junk.tsr"
# The example roster as the README shows it: its sixth soldier, 16 years old, is refused.
status=0
(cd "$work" && corvane32 --roster /usr/share/doc/corvane32/examples/roster.csv --pdf worksheets.pdf \
  --results results.csv 2>"$work/stderr") || status=$?
[ "$status" -eq 1 ] && grep -qx '/usr/share/doc/corvane32/examples/roster.csv:7: age: Age is outside this application'"'"'s range!' \
  "$work/stderr" || { cat "$work/stderr" >&2; fail "the example roster ($status)"; }
[ "$(wc -l < "$work/results.csv")" -eq 9 ] && [ -s "$work/worksheets.pdf" ] || fail "the example roster's outputs"
# The manual page shows the results header as the program writes it, whole on one line
# (before the method column that this roster has, after the file's byte-order mark), so
# that it can be copied.
header="$(head -n 1 "$work/results.csv" | tr -d '\r' | sed '1s/^\xEF\xBB\xBF//')"
header="${header%,method}"
MANWIDTH=80 man -l /usr/share/man/man1/corvane32.1.gz > "$work/manual.txt"
sed 's/^ *//' "$work/manual.txt" | grep -xF "$header" >/dev/null \
  || fail "the manual page does not show the results header on one line: $header"
# The tables are read from /etc: a broken one there stops the program, and the message
# names it where it is.
cp /etc/corvane32/TABLES/Table.B-3 "$work/Table.B-3"
printf 'h\r\nh\r\nh\r\nh\r\nh\r\n90 1O2\r\n' > /etc/corvane32/TABLES/Table.B-3
expect_error_then_stop 'Runtime error 217 at /etc/corvane32/TABLES/Table.B-3: line 6: bad number "1O2"' corvane32
cp "$work/Table.B-3" /etc/corvane32/TABLES/Table.B-3

step "desktop integration of the installed package"
[ "$(xdg-mime query filetype "$page_file")" = "$page_type" ] || fail "the page file's type by name"
[ "$(xdg-mime query filetype "$work/week-without-extension")" = "$page_type" ] || fail "the page file's type by header"
[ "$(xdg-mime query default "$page_type")" = "$app_id.desktop" ] || fail "page files are not opened by the program"
# Runs a launcher in a session of its own; after 4 s the session must hold the program
# started as the pattern says. Every process of the session is then ended by its id.
expect_launched() {
  local pattern="$1"; shift
  DISPLAY="${DISPLAY:-:0}" setsid "$@" 2>"$work/stderr" & local session=$!
  sleep 4
  local started pids
  started="$(ps -o args= -s "$session" | grep -E "$pattern" || true)"
  pids="$(ps -o pid= -s "$session" || true)"
  # shellcheck disable=SC2086
  [ -z "$pids" ] || kill $pids 2>/dev/null || true
  wait "$session" 2>/dev/null || true
  [ -n "$started" ] || { cat "$work/stderr" >&2; fail "$* did not start the program"; }
}
expect_launched '^(/usr/bin/)?corvane32$' gio launch "/usr/share/applications/$app_id.desktop"
expect_launched "^(/usr/bin/)?corvane32 $page_file\$" xdg-open "$page_file"

step "a changed table survives a reinstall"
sed -i '1s/^/Changed by the administrator: /' /etc/corvane32/TABLES/STANDARD.TBL
cp /etc/corvane32/TABLES/STANDARD.TBL "$work/changed.tbl"
dpkg -i --force-confold "$deb" >/dev/null
cmp -s /etc/corvane32/TABLES/STANDARD.TBL "$work/changed.tbl" || fail "the reinstall replaced the changed table"
expect_running_then_stop corvane32

step "purge"
dpkg --purge corvane32 >/dev/null
installed=false
left=()
while read -r path; do
  if [ -L "$path" ] || [ -f "$path" ]; then left+=("$path"); fi
done < "$work/files.txt"
for path in /etc/corvane32 /usr/lib/corvane32 /usr/share/doc/corvane32 "/usr/share/mime/$page_type.xml"; do
  [ -e "$path" ] && left+=("$path")
done
grep -qs "$app_id" /usr/share/applications/mimeinfo.cache && left+=(/usr/share/applications/mimeinfo.cache)
[ ${#left[@]} -eq 0 ] || fail "left behind: ${left[*]}"
echo "package check passed: $(basename "$deb")"
