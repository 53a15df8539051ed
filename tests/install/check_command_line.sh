#!/usr/bin/env bash
# --help and --version answer without a display; anything unknown is refused
# with the usage; the toolkit's own options still go through.
#   check_command_line.sh <ohmbench> <version>
set -uo pipefail
program=$1 version=$2
passed=0 failed=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# arguments | exit status | stdout must contain | stderr must contain
cases=(
  "--version|0|Ohmbench $version|"
  "-v|0|Ohmbench $version|"
  "--help|0|Usage: ohmbench [options]|"
  "-h|0|--version|"
  "-platform offscreen --version|0|Ohmbench $version|"
  "--bogus|1||Unknown option 'bogus'."
  "-x|1||Usage: ohmbench [options]"
  "circuit.txt|1||Unexpected argument 'circuit.txt'."
  "--version=2|1||"
)
for row in "${cases[@]}"; do
  IFS='|' read -r args want_rc want_out want_err <<<"$row"
  # shellcheck disable=SC2086  # the arguments are split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" $args >"$out" 2>"$err"
  rc=$?
  ok=1
  [ $rc -eq "$want_rc" ] || ok=0
  [ -z "$want_out" ] || grep -Fq -- "$want_out" "$out" || ok=0
  [ "$want_out" != "Ohmbench $version" ] || [ "$(cat "$out")" = "$want_out" ] || ok=0  # the version: one line
  [ -z "$want_err" ] || grep -Fq -- "$want_err" "$err" || ok=0
  # A refusal goes to stderr only; an answer to stdout only.
  if [ "$want_rc" -eq 0 ]; then [ -s "$err" ] && ok=0; else [ -s "$out" ] && ok=0; fi
  if [ $ok -eq 1 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: ohmbench $args -> status $rc"; echo "stdout:"; cat "$out"; echo "stderr:"; cat "$err"
  fi
done

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
