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
# The first build's tree, with the objects it compiled (dpkg-buildpackage does not clean after).
objects=$first/vandolin-$upstream/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)
[ -d "$objects" ] || problem "no build tree $objects"

# hardening-check sees control flow integrity in the program's IBT/SHSTK mark, which the
# linker gives only when every object linked carries it. Debian 12's C library start files
# (Scrt1.o, crti.o, crtn.o) carry none, so no program linked here can have it, however its own
# code was compiled; what we can see is that every object of ours was built for it.
cfi_possible=no
if [ "$arch" = amd64 ]; then
    cfi_possible=yes
    for start_file in Scrt1.o crti.o crtn.o; do
        path=$(gcc -print-file-name=$start_file)
        if ! readelf -n "$path" 2>/dev/null | grep -q 'x86 feature: IBT, SHSTK'; then
            echo "NOTE: $path has no IBT/SHSTK mark"
            cfi_possible=no
        fi
    done
    unmarked=0
    while IFS= read -r -d '' object; do
        if ! readelf -n "$object" | grep -q 'x86 feature: IBT, SHSTK'; then
            problem "${object#"$objects"/} was compiled without -fcf-protection"
            unmarked=$((unmarked + 1))
        fi
    done < <(find "$objects" -name '*.o' -print0)
    echo "objects of ours without the IBT/SHSTK mark: $unmarked"
fi

# Stack allocations of more than a page in one step: a frame that large, unprobed, could jump
# over the guard page below the stack. With -fstack-clash-protection the compiler allocates
# page by page and touches each page (`or QWORD PTR [rsp],0x0`).
unprobed_frames() {
    objdump -d --no-show-raw-insn -M intel "$1" | grep -E $'\tsub +rsp,0x[0-9a-f]+$' |
        while read -r _ _ operand; do
            # Bash arithmetic is signed 64-bit: an `add` written as `sub` of a huge value is < 0.
            [ $((16#${operand#rsp,0x})) -gt 4096 ] && echo "$operand"
        done || true
}

for program in vandolin vandolin-odds; do
    binary=$unpacked/usr/games/$program
    report=$(hardening-check "$binary" 2>&1) || true
    echo "$report"
    while IFS= read -r line; do
        case "$line" in
        *": yes"*) ;;
        # hardening-check knows only the probe loop of a frame sized at run time (alloca,
        # arrays of variable length), which our code has none of; fixed frames are probed
        # page by page in code of another shape, which it does not recognise. So look at the
        # frames ourselves.
        " Stack clash protection: unknown, no -fstack-clash-protection instructions found")
            if [ "$arch" = amd64 ]; then
                large=$(unprobed_frames "$binary")
                [ -z "$large" ] || problem "$program allocates unprobed stack frames: $large"
                probes=$(objdump -d --no-show-raw-insn -M intel "$binary" |
                    grep -cE $'\tor +QWORD PTR \\[rsp\\],0x0$' || true)
                echo "NOTE: $program: no frame over a page unprobed; $probes page probes"
            fi
            ;;
        # The copies left in C++ code are libstdc++'s (std::string, std::copy, std::vector),
        # which call the compiler's built-in memcpy, memmove and memset past the C library's
        # checked versions, and the toolkit's containers copying within heap blocks whose size
        # the compiler cannot know. A copy into a buffer of known size that the compiler could
        # not prove safe would have become a __memcpy_chk; there is none. The compile lines
        # below show the fortified headers were in force (-D_FORTIFY_SOURCE=2 with -O2).
        " Fortify Source functions: no, only unprotected functions found!") ;;
        " Control flow integrity: no"*)
            if [ "$cfi_possible" = yes ]; then
                problem "$program lacks control flow integrity"
            else
                echo "NOTE: $program: no control flow integrity mark: the C start files have none"
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
    flags=(-O2 -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection)
    [ "$arch" = amd64 ] && flags+=(-fcf-protection)
    for flag in "${flags[@]}"; do
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
