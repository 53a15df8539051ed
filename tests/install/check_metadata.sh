#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their validators without
# a warning, the entry runs the program under its icon, the two name each
# other, and agree with the project's version and with the screenshots
# committed in docs/screenshots.
#   check_metadata.sh <source dir> <app id> <version>
set -uo pipefail
src=$1 id=$2 version=$3
desktop=$src/data/$id.desktop metainfo=$src/data/$id.metainfo.xml
passed=0 failed=0
check() {  # check <what> <command...>
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}
silent() {  # the command succeeds and prints no warning or error
  local out; out=$("$@" 2>&1); local rc=$?
  [ -n "$out" ] && echo "$out"
  [ $rc -eq 0 ] && ! grep -Eq '(^[EW]: |: (warning|error): )' <<<"$out"
}
has() { grep -Fq -- "$2" "$1" || { echo "$1 lacks: $2"; false; }; }

check "desktop-file-validate" silent desktop-file-validate "$desktop"
check "appstreamcli validate" silent appstreamcli validate --no-net "$metainfo"
for line in Type=Application Exec=ohmbench Icon=ohmbench Name=Ohmbench; do
  check "desktop entry $line" grep -qx "$line" "$desktop"
done
check "metainfo id" has "$metainfo" "<id>$id</id>"
check "launchable" has "$metainfo" "<launchable type=\"desktop-id\">$id.desktop</launchable>"
check "release" has "$metainfo" "<release version=\"$version\""
check "no code licence claimed" bash -c "! grep -q project_license '$metainfo'"
check "manual page version" has "$src/data/ohmbench.1" "\"Ohmbench $version\""
check "changelog version" has "$src/data/changelog" "ohmbench ($version)"
shots=$(grep -o 'https://www.example.org/ohmbench/screenshots/[^<]*' "$metainfo")
check "screenshots listed" test -n "$shots"
for url in $shots; do
  check "screenshot $url" test -f "$src/docs/screenshots/${url##*/}"
done

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
