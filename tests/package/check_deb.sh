#!/usr/bin/env bash
# check_deb.sh CPACK BUILD_DIR WORK_DIR EXAMPLES_DIR
#
# Makes the .deb of BUILD_DIR in WORK_DIR, unpacks it with dpkg -x into a root
# of its own and checks what an installation would give a user: the program
# starts and finds its data folder under share/, every example calculates to its
# committed results, the package depends on a package for every library the
# program links, and the menu entry, file type and icons are well formed.
set -euo pipefail
cpack=$1 build=$2 work=$3 examples=$4

fail() {
    echo "package: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb in $work"
deb=${debs[0]}
echo "package: $(basename "$deb")"

root=$work/root
dpkg-deb -x "$deb" "$root"
korvex=$root/usr/bin/korvex
[ -x "$korvex" ] || fail "usr/bin/korvex is missing"

# The program as installed: its version, then every example, which needs the
# data folder in usr/share/korvex/Load_data (nothing lies beside usr/bin/korvex).
[ ! -e "$root/usr/bin/Load_data" ] || fail "a data folder beside the installed program hides the share/ lookup"
version=$(QT_QPA_PLATFORM=offscreen "$korvex" --version 2>/dev/null)
[[ $version == "Korvex for wood "* ]] || fail "korvex --version printed '$version'"
echo "package: $version"
installed_examples=$root/usr/share/doc/korvex/examples
count=0
for project in "$installed_examples"/*.kvxw; do
    name=$(basename "$project" .kvxw)
    (cd "$installed_examples" && QT_QPA_PLATFORM=offscreen "$korvex" --json "$name.kvxw" 2>/dev/null) \
        >"$work/$name.json" || fail "korvex --json $name.kvxw failed"
    cmp -s "$work/$name.json" "$examples/$name.json" ||
        fail "the installed program's results for $name differ from examples/$name.json"
    [ -f "$installed_examples/$name.pdf" ] || fail "the report $name.pdf is not installed"
    count=$((count + 1))
done
[ "$count" -gt 0 ] || fail "no example is installed"
echo "package: $count installed examples calculate to their committed results"

# Every library the program links must come from a package the .deb depends on
# (by name), and the program must not need a newer C library than it asks for.
depends=$(dpkg-deb -f "$deb" Depends)
echo "package: Depends: $depends"
for required in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-ipafont-gothic; do
    [[ ", $depends," == *", $required "* || ", $depends," == *", $required,"* ]] ||
        fail "Depends lacks $required"
done
libraries=$(ldd "$korvex")
for library in $(readelf -d "$korvex" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path=$(awk -v lib="$library" '$1 == lib && $2 == "=>" { print $3 }' <<<"$libraries")
    [ -n "$path" ] && [ "$path" != "not" ] || fail "the program's library $library is not found on this machine"
    resolved=$(readlink -f "$path")
    owner=""
    for candidate in "$path" "$resolved" "${path/#\/lib\//\/usr\/lib\/}" "${resolved/#\/usr\/lib\//\/lib\/}"; do
        owner=$(dpkg -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1) && [ -n "$owner" ] && break
    done
    [ -n "$owner" ] || fail "no Debian package owns $path ($library)"
    [[ ", $depends," == *", $owner "* || ", $depends," == *", $owner,"* ]] ||
        fail "the program links $library from $owner, which the package does not depend on"
done
glibc_needed=$(objdump -T "$korvex" | grep -o 'GLIBC_[0-9.]*' | sed 's/GLIBC_//' | sort -V | tail -n1)
glibc_asked=$(sed -n 's/.*libc6 (>= \([0-9.]*\)).*/\1/p' <<<"$depends")
[ "$(printf '%s\n%s\n' "$glibc_needed" "$glibc_asked" | sort -V | tail -n1)" = "$glibc_asked" ] ||
    fail "the program needs GLIBC_$glibc_needed but the package asks only for libc6 >= $glibc_asked"

# Desktop integration: the entry validates, the file type's database built from
# the package maps *.kvxw and the first line to it, and the entry opens it.
share=$root/usr/share
desktop-file-validate "$share/applications/korvex.desktop" || fail "korvex.desktop does not validate"
update-mime-database "$share/mime" >/dev/null
grep -q '^[0-9]*:application/x-kvxw:\*\.kvxw$' "$share/mime/globs2" ||
    fail "the file type database has no *.kvxw glob"
grep -q 'korvex for wood' "$share/mime/magic" || fail "the file type database has no magic line"
update-desktop-database "$share/applications"
grep -q '^application/x-kvxw=korvex.desktop;$' "$share/applications/mimeinfo.cache" ||
    fail "no desktop entry opens application/x-kvxw"
[ -f "$share/icons/hicolor/scalable/apps/korvex.svg" ] || fail "the scalable icon is missing"
for size in 16 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/korvex.png
    [ -f "$png" ] || fail "the ${size}px icon is missing"
    # Width and height of a PNG are the big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "the ${size}px icon is ${width}x${height}"
done
echo "package: program, data folder, examples, menu entry, file type and icons are in place"
