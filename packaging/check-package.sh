#!/usr/bin/env bash
# Checks what `dpkg-buildpackage -b` made of debian/, twice over: the files the game's package
# holds, lintian's verdict, the protections of both programs, that the two builds are byte for
# byte the same, and an install, start and purge in a throw-away root.
#   packaging/check-package.sh FIRST_BUILD_DIR SECOND_BUILD_DIR
# Each folder holds the .changes, .buildinfo and .deb files of one build.
set -euo pipefail
first=${1:?usage: packaging/check-package.sh FIRST_BUILD_DIR SECOND_BUILD_DIR}
second=${2:?usage: packaging/check-package.sh FIRST_BUILD_DIR SECOND_BUILD_DIR}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
fail=0
problem() { echo "FAIL: $*"; fail=1; }

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
arch=$(dpkg --print-architecture)
deb=$first/vandolin_${version}_${arch}.deb
dbgsym=$first/vandolin-dbgsym_${version}_${arch}.deb
changes=$first/vandolin_${version}_${arch}.changes
for file in "$deb" "$dbgsym" "$changes"; do
    [ -f "$file" ] || { echo "FAIL: not built: $file" >&2; exit 1; }
done

echo "--- the changelog"
distribution=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Distribution)
[ "$distribution" = unstable ] || problem "the changelog's distribution is $distribution, not unstable"
[[ "$version" == *-* ]] || problem "the changelog's version $version has no Debian revision"
upstream=${version%-*}

echo "--- placeholders"
# The maintainer and the homepage are set once, in debian/control; the .example domain marks
# them as not filled in yet. That is said, not failed: the package itself is sound.
for field in Maintainer Homepage; do
    value=$(grep -m1 "^$field:" "$source_dir/debian/control" | cut -d' ' -f2-)
    if [[ "$value" == *.example* ]]; then
        echo "PLACEHOLDER: debian/control's $field is still '$value'; fill it in before uploading"
    fi
done
grep -q 'Closes: *#[0-9]' "$source_dir/debian/changelog" ||
    echo "PLACEHOLDER: debian/changelog closes no ITP bug; file one and close it in the first entry"
maintainer=$(grep -m1 '^Maintainer:' "$source_dir/debian/control" | cut -d' ' -f2-)
[ "$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Maintainer)" = "$maintainer" ] ||
    problem "the changelog's signer is not debian/control's maintainer"

echo "--- files"
expected=(
    ./usr/games/vandolin
    ./usr/games/vandolin-odds
    ./usr/share/applications/org.vandolin.vandolin.desktop
    ./usr/share/metainfo/org.vandolin.vandolin.metainfo.xml
    ./usr/share/man/man6/vandolin.6.gz
    ./usr/share/man/man6/vandolin-odds.6.gz
    ./usr/share/doc/vandolin/copyright
    ./usr/share/doc/vandolin/changelog.gz
    ./usr/share/doc/vandolin/changelog.Debian.gz
    ./usr/share/lintian/overrides/vandolin
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/org.vandolin.vandolin.png")
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
grep -q '^Depends:.*libqt6widgets6' <<<"$fields" || problem "Depends does not name the toolkit"
grep -q '^Recommends:.*fonts-liberation2' <<<"$fields" ||
    problem "the fonts the layouts name are not recommended"
grep -q "^Version: $version\$" <<<"$fields" || problem "the package's version is not $version"

echo "--- lintian"
set +e
lintian_out=$(lintian -I --pedantic --display-experimental --tag-display-limit 0 "$changes" 2>&1)
set -e
echo "$lintian_out"
grep -q '^E:' <<<"$lintian_out" && problem "lintian reports errors"
grep -q '^W:' <<<"$lintian_out" && problem "lintian reports warnings"

echo "--- hardening"
unpacked=$(mktemp -d)
root=$(mktemp -d)
trap 'rm -rf "$unpacked" "$root"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
# The C library's start files of this system carry no IBT/SHSTK mark, and the linker drops
# the mark from any program linked with them: then no program here can show control flow
# integrity, however its own code was compiled.
cfi_possible=yes
start_files=$(gcc -print-file-name=Scrt1.o 2>/dev/null || true)
if [ "$(dpkg --print-architecture)" != amd64 ] || ! readelf -n "$start_files" 2>/dev/null |
    grep -q 'x86 feature: IBT, SHSTK'; then
    cfi_possible=no
fi
for program in vandolin vandolin-odds; do
    report=$(hardening-check "$unpacked/usr/games/$program" 2>&1) || true
    echo "$report"
    while IFS= read -r line; do
        case "$line" in
        *": yes"*) ;;
        # Probes are only needed, and so only found, in functions with large stack frames;
        # and a C++ program may have no call whose buffer size the compiler knows, so nothing
        # to fortify. The build log shows whether the flags were there.
        " Stack clash protection: unknown, no -fstack-clash-protection instructions found") ;;
        " Fortify Source functions: no, only unprotected functions found!") ;;
        " Control flow integrity: no"*)
            if [ "$cfi_possible" = yes ]; then
                problem "$program lacks control flow integrity"
            else
                echo "NOTE: no control flow integrity mark: this system's C start files have none"
            fi
            ;;
        *) problem "$program: $line" ;;
        esac
    done < <(grep '^ ' <<<"$report")
done

# Every compile line of the build carries the flags hardening-check cannot always see.
log=$first/build.log
if [ -f "$log" ]; then
    compiles=$(grep -E '/c\+\+ .* -c [^ ]+\.cpp$' "$log" || true)
    echo "compile lines in the build log: $(grep -c . <<<"$compiles")"
    [ -n "$compiles" ] || problem "no compile line in $log"
    for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection; do
        missing=$(grep -c -v -e " $flag " <<<"$compiles" || true)
        [ "$missing" -eq 0 ] || problem "$missing compile lines lack $flag"
    done
else
    problem "no build log $log"
fi

echo "--- reproducibility"
for built in "$first"/*.deb; do
    other=$second/$(basename "$built")
    if [ ! -f "$other" ]; then
        problem "the second build made no $(basename "$built")"
    elif ! cmp -s "$built" "$other"; then
        problem "$(basename "$built") differs between the two builds"
    else
        echo "identical: $(basename "$built") $(sha256sum <"$built" | cut -c1-16)"
    fi
done

echo "--- install into a throw-away root"
mkdir -p "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/info"
touch "$root/var/lib/dpkg/status"
dpkg_root=(dpkg --force-not-root --force-script-chrootless --force-depends
    --root="$root" --instdir="$root" --admindir="$root/var/lib/dpkg" --log=/dev/null)
"${dpkg_root[@]}" --install "$deb" || problem "install failed"
for file in "${expected[@]}"; do
    [ -e "$root/${file#./}" ] || problem "not installed: $file"
done
# Both answer their version without a display, and it is the changelog's upstream version.
for program in vandolin vandolin-odds; do
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/games/$program" --version) ||
        problem "installed $program does not run"
    [ "$answer" = "$program $upstream" ] ||
        problem "$program --version says '$answer', the changelog $upstream"
done
"${dpkg_root[@]}" --purge vandolin || problem "removal failed"
left=$(find "$root" -mindepth 1 -not -path "$root/var" -not -path "$root/var/lib" \
    -not -path "$root/var/lib/dpkg*")
[ -z "$left" ] || problem "left behind after removal: $left"

if [ "$fail" -ne 0 ]; then
    echo "package check FAILED"
    exit 1
fi
echo "package check passed"
