#!/usr/bin/env bash
# install_test.sh prefix|deb BUILD VERSION
#   prefix: installs the build into a scratch prefix and checks every file: each one there and
#           nothing else, the programs' versions, the icon sizes, the desktop entry, the disk
#           image types, the manual pages, and that the usage, the manual page and bash
#           completion name the same verbs and options.
#   deb:    makes the Debian package with CPack and checks its files and dependencies.
# A tool that is missing skips the test (exit 77); scripts/install-deps.sh installs them all.
set -uo pipefail
mode=$1 build=$2 version=$3
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}
need() {
    for tool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}

# Every file of an installation, below its prefix.
expected_files() {
    printf '%s\n' bin/larkspoon bin/larkspoon-cli share/applications/larkspoon.desktop \
        share/mime/packages/larkspoon.xml share/icons/hicolor/scalable/apps/larkspoon.svg \
        share/man/man1/larkspoon-cli.1 share/man/man1/larkspoon.1 \
        share/bash-completion/completions/larkspoon-cli
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/larkspoon.png"
    done
    (cd "$source_dir/src/resources/help" && for f in *; do echo "share/larkspoon/help/$f"; done)
}

# Width and height of a PNG file, from its header.
png_size() {
    [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || return 1
    od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4 "x" \
                                             $5*16777216+$6*65536+$7*256+$8}'
}

# The completions bash offers for the words given, the last one being completed.
completions() {
    PATH="$prefix/bin:$PATH" bash -c 'source "$1"; shift; COMP_WORDS=("$@")
        COMP_CWORD=$(($# - 1)); _larkspoon_cli 2>/dev/null; printf "%s\n" "${COMPREPLY[@]}"' \
        _ "$prefix/share/bash-completion/completions/larkspoon-cli" "$@"
}

# An empty ProDOS volume TEST of 280 blocks: the volume directory in blocks 2 to 5, the bit map
# in block 6, blocks 0 to 6 in use.
blank_volume() {
    head -c 143360 /dev/zero >"$1"
    put() { printf "$2" | dd of="$image" bs=1 seek=$(($1)) conv=notrunc status=none; }
    local image=$1
    put 1024 '\x00\x00\x03\x00\xf4TEST'
    put '1024+0x22' '\xc3\x27\x0d\x00\x00\x06\x00\x18\x01'
    put 1536 '\x02\x00\x04\x00'
    put 2048 '\x03\x00\x05\x00'
    put 2560 '\x04\x00\x00\x00'
    put 3072 '\x01'
    head -c 34 /dev/zero | tr '\0' '\377' | dd of="$image" bs=1 seek=3073 conv=notrunc status=none
}

check_prefix() {
    need desktop-file-validate xmllint update-mime-database groff mimetype
    prefix=$work/prefix
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
        cat "$work/install.log"
        fail "cmake --install"
        return
    }
    expected_files | sort >"$work/expected"
    (cd "$prefix" && find . -type f | sed 's|^\./||' | sort) >"$work/installed"
    while read -r f; do fail "not installed: $f"; done < <(comm -23 "$work/expected" "$work/installed")
    while read -r f; do fail "installed too: $f"; done < <(comm -13 "$work/expected" "$work/installed")

    # The version is answered before Qt starts: no display is needed.
    [[ $("$prefix/bin/larkspoon-cli" --version) == "$version" ]] || fail "larkspoon-cli --version"
    [[ $(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/larkspoon" --version) \
        == "$version" ]] || fail "larkspoon --version"

    for size in 16 32 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x${size}/apps/larkspoon.png
        [[ $(png_size "$png") == "${size}x${size}" ]] || fail "$png is not a ${size}x${size} PNG"
    done

    desktop=$prefix/share/applications/larkspoon.desktop
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    grep -qx 'Exec=larkspoon %f' "$desktop" || fail "the desktop entry does not pass the file"

    # The types package as the desktop reads it: every extension by name, 2IMG and WOZ also by
    # their first bytes, every type the desktop entry opens defined.
    xml=$prefix/share/mime/packages/larkspoon.xml
    xmllint --noout "$xml" || fail "xmllint"
    mkdir -p "$work/mime/packages" && cp "$xml" "$work/mime/packages/"
    update-mime-database "$work/mime" 2>"$work/mime.log"
    ! grep -i error "$work/mime.log" || fail "update-mime-database"
    for ext in dsk do po hdv 2mg nib app woz; do
        grep -q ":\*\.$ext$" "$work/mime/globs2" || fail "no type for *.$ext"
    done
    # Named types as xdg-open finds them: by the name, or by the contents first where they tell.
    blank_volume "$work/volume.po"
    printf 'msgid "Open"\nmsgstr "Ouvrir"\n' >"$work/fr.po"
    { printf '2IMGTEST'; head -c 56 /dev/zero; cat "$work/volume.po"; } >"$work/disk-2mg"
    { printf 'WOZ2\377\n\r\n'; head -c 300 /dev/zero; } >"$work/disk-woz.bin"
    head -c 1024 /dev/zero >"$work/DISK.NIB"
    for pair in volume.po:x-apple2-po disk-2mg:x-apple2-2mg disk-woz.bin:x-apple2-woz \
        DISK.NIB:x-apple2-nib fr.po:x-gettext-translation; do
        file=$work/${pair%%:*}
        type=$(XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$work:/usr/share mimetype -b "$file")
        [[ $type == */${pair#*:} ]] || fail "${pair%%:*} is taken for $type"
    done
    # The desktop entry opens exactly the types the package defines.
    sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort >"$work/opened"
    sort "$work/mime/types" | diff - "$work/opened" >&2 ||
        fail "the types defined (<) and those the desktop entry opens (>) differ"

    for page in "$prefix"/share/man/man1/*.1; do
        warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
        [[ -z $warnings ]] || fail "$page: $warnings"
    done

    # Every verb and option of the usage in the manual page and in bash completion.
    cli=$prefix/bin/larkspoon-cli
    man=$prefix/share/man/man1/larkspoon-cli.1
    mapfile -t offered < <(completions larkspoon-cli "")
    for verb in $("$cli" | awk '/^  [a-z]/ {print $1}' | sort -u); do
        [[ " ${offered[*]} " == *" $verb "* ]] || fail "bash completion lacks the verb $verb"
        grep -qE "^(\\\\fB$verb[\\\\ ]|\\.BI $verb )" "$man" || fail "the manual lacks $verb"
        help=$("$cli" "$verb" --help) || fail "$verb --help"
        [[ $help == "usage: larkspoon-cli $verb"* ]] || fail "$verb --help: $help"
        mapfile -t options < <(completions larkspoon-cli "$verb" -)
        for option in $(grep -oE '(^|[[ ])--?[a-z]+' <<<"$help" | tr -d '[ ' | sort -u); do
            [[ " ${options[*]} " == *" $option "* ]] || fail "no completion of $verb $option"
            grep -qF -- "${option//-/\\-}" "$man" || fail "the manual lacks $verb $option"
        done
    done

    # Paths inside an image are offered where a verb takes one.
    "$cli" mkdir "$work/volume.po" /TEST/GAMES && "$cli" check "$work/volume.po" >/dev/null ||
        fail "the blank volume"
    [[ $(completions larkspoon-cli get "$work/volume.po" /TEST/G) == /TEST/GAMES ]] ||
        fail "no completion of a path in the image"
}

check_deb() {
    need dpkg-deb dpkg-shlibdeps cpack
    (cd "$build" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log"
        fail "cpack -G DEB"
        return
    }
    deb=$work/package/larkspoon_${version}_$(dpkg --print-architecture).deb
    [[ -f $deb ]] || { fail "no $deb"; ls "$work/package"; return; }
    dpkg-deb --contents "$deb" | awk '{print $6}' >"$work/contents"
    while read -r f; do
        grep -qx "./usr/$f" "$work/contents" || fail "the package lacks /usr/$f"
    done < <(expected_files)
    field() { dpkg-deb -f "$deb" "$1"; }
    [[ $(field Package) == larkspoon && $(field Version) == "$version" ]] || fail "name, version"
    [[ $(field Section) == otherosfs ]] || fail "section $(field Section)"
    for dep in libc6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins; do
        [[ $(field Depends) == *"$dep"* ]] || fail "Depends lacks $dep: $(field Depends)"
    done
    for rec in shared-mime-info desktop-file-utils; do
        [[ $(field Recommends) == *"$rec"* ]] || fail "Recommends lacks $rec"
    done
    dpkg-deb -f "$deb"
}

case $mode in
    prefix) check_prefix ;;
    deb) check_deb ;;
    *) echo "usage: install_test.sh prefix|deb BUILD VERSION" >&2; exit 2 ;;
esac
exit $failed
