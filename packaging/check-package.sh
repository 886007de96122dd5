#!/usr/bin/env bash
# Checks a built vandolin .deb: the files it holds, lintian's verdict (errors fail, warnings
# are listed), and a clean install and removal into a throw-away root.
#   packaging/check-package.sh build/package/vandolin_1.1d_amd64.deb
set -euo pipefail
deb=${1:?usage: packaging/check-package.sh PACKAGE.deb}
[ -f "$deb" ] || { echo "no such package: $deb" >&2; exit 2; }
fail=0
problem() { echo "FAIL: $*"; fail=1; }

expected=(
    ./usr/games/vandolin
    ./usr/bin/vandolin-odds
    ./usr/share/applications/org.vandolin.Vandolin.desktop
    ./usr/share/metainfo/org.vandolin.Vandolin.metainfo.xml
    ./usr/share/man/man6/vandolin.6.gz
    ./usr/share/man/man6/vandolin-odds.6.gz
    ./usr/share/doc/vandolin/copyright
    ./usr/share/doc/vandolin/changelog.gz
)
for size in 16 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.vandolin.Vandolin.png")
done
listing=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in "${expected[@]}"; do
    grep -qxF "$file" <<<"$listing" || problem "missing $file"
done
# Nothing else but the folders that hold them.
while read -r file; do
    case "$file" in */) continue ;; esac
    printf '%s\n' "${expected[@]}" | grep -qxF "$file" || problem "unexpected $file"
done <<<"$listing"

fields=$(dpkg-deb --field "$deb")
echo "$fields"
for field in Package Version Architecture Depends Description; do
    grep -q "^$field:" <<<"$fields" || problem "no $field field"
done
grep -q '^Depends:.*libqt6widgets6' <<<"$fields" || problem "Depends does not name the toolkit"
grep -q '^Version: 1.1d$' <<<"$fields" || problem "version is not 1.1d"
[ "$(grep -c '^ ' <<<"$fields")" -ge 2 ] || problem "no long description"

echo "--- lintian"
set +e
lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1)
set -e
echo "$lintian_out"
grep -q '^E:' <<<"$lintian_out" && problem "lintian reports errors"

echo "--- install into a throw-away root"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
dpkg_root=(dpkg --force-not-root --force-script-chrootless --force-depends
           --root="$root" --instdir="$root" --admindir="$root/var/lib/dpkg" --log=/dev/null)
"${dpkg_root[@]}" --install "$deb" || problem "install failed"
for file in "${expected[@]}"; do
    [ -e "$root/${file#./}" ] || problem "not installed: $file"
done
"$root/usr/bin/vandolin-odds" --help >/dev/null || problem "installed vandolin-odds does not run"
"${dpkg_root[@]}" --purge vandolin || problem "removal failed"
left=$(find "$root" -mindepth 1 -not -path "$root/var" -not -path "$root/var/lib" \
    -not -path "$root/var/lib/dpkg*")
[ -z "$left" ] || problem "left behind after removal: $left"

if [ "$fail" -ne 0 ]; then
    echo "package check FAILED"
    exit 1
fi
echo "package check passed"
