#!/usr/bin/env bash
# Builds the .deb from the build tree and inspects it as Debian would: the
# control fields, dependencies found by dpkg-shlibdeps, every installed file at
# its /usr path, and lintian.
#   check_package.sh <build dir> <output dir> <version>
set -uo pipefail
build=$1 dir=$2 version=$3
passed=0 failed=0
check() {  # check <what> <command...>
  local what=$1; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $what"; failed=$((failed + 1)); fi
}
has() { grep -Eq -- "$2" <<<"$1" || { echo "missing: $2"; false; }; }

rm -rf "$dir"
if ! cpack --config "$build/CPackConfig.cmake" -B "$dir" >"$dir.log" 2>&1; then
  cat "$dir.log"; echo "0 passed, 1 failed"; exit 1
fi
debs=("$dir"/ohmbench_"$version"_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "expected one ohmbench_${version}_<arch>.deb in $dir"; echo "0 passed, 1 failed"; exit 1
fi
deb=${debs[0]}
echo "== $deb"

info=$(dpkg-deb --info "$deb")
echo "$info"
check "package name"   has "$info" "^ Package: ohmbench$"
check "version"        has "$info" "^ Version: $version$"
check "architecture"   has "$info" "^ Architecture: $(dpkg --print-architecture)$"
check "section"        has "$info" "^ Section: electronics$"
check "maintainer"     has "$info" "^ Maintainer: .+ <.+@.+>$"
check "summary"        has "$info" "^ Description: [a-z].{10,78}$"
check "long description" has "$info" "^  Ohmbench is "
check "homepage"       has "$info" "^ Homepage: https://www.example.org/ohmbench/$"
deps=$(grep '^ Depends:' <<<"$info")
for lib in libc6 libstdc\\+\\+6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
  check "depends on $lib" has "$deps" "[ ,]$lib( \\(|,|$)"
done

# The package holds exactly what `cmake --install` lays out under /usr.
stage=$(mktemp -d); trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
installed=$(cd "$stage" && find . -type f | sort)
packaged=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $NF}' | sort)
check "files match the install" diff <(echo "$installed") <(echo "$packaged")
for f in ./usr/bin/ohmbench ./usr/share/applications/org.example.ohmbench.desktop \
         ./usr/share/icons/hicolor/scalable/apps/ohmbench.svg \
         ./usr/share/metainfo/org.example.ohmbench.metainfo.xml \
         ./usr/share/man/man1/ohmbench.1.gz \
         ./usr/share/doc/ohmbench/copyright ./usr/share/doc/ohmbench/changelog.gz; do
  check "packaged $f" has "$packaged" "^${f//./\\.}$"
done

# lintian: neither an error nor a warning.
lint=$(lintian --allow-root --display-level '>=warning' --tag-display-limit 0 "$deb" 2>&1)
echo "== lintian"; echo "${lint:-(nothing to report)}"
check "lintian" bash -c '! grep -q "^[EW]: " <<<"$1"' _ "$lint"

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
