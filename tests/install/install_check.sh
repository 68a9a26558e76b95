#!/usr/bin/env bash
# Checks of the install tree that `cmake --install` lays out under a scratch root, as a package would:
#   install_check.sh STEP ROOT BUILD_DIR SOURCE_DIR VERSION LIBDIR CC [CFLAGS]
# STEP is one of: install, files, manual, validate, pkg-config, find-package. "install" makes the tree the
# others check.
set -euo pipefail
step=$1 root=$2 build=$3 source=$4 version=$5 libdir=$6 cc=$7 cflags=${8:-}
usr=$root/usr
scratch=$root/../scratch-$step
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expect_equal() { # WHAT EXPECTED ACTUAL
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

fresh_scratch() {
    rm -rf "$scratch"
    mkdir -p "$scratch"
}

# A 1x1 GIF, the smallest picture the library edits.
write_picture() {
    printf 'GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;' >"$1"
}

installed_files() {
    echo bin/corvane bin/corvane-comment
    echo "$libdir/libcorvane.so.$version" "$libdir/libcorvane.so.1" "$libdir/libcorvane.so"
    echo include/corvane.h include/corvane_version.h "$libdir/pkgconfig/corvane.pc"
    echo "$libdir/cmake/corvane/corvaneConfig.cmake" "$libdir/cmake/corvane/corvaneConfigVersion.cmake"
    echo share/applications/corvane.desktop share/metainfo/org.corvane.corvane.metainfo.xml
    for size in 16 32 48 64 128 256; do echo "share/icons/hicolor/${size}x${size}/apps/corvane.png"; done
    echo share/man/man1/corvane.1.gz share/man/man1/corvane-comment.1.gz
    echo share/bash-completion/completions/corvane-comment share/doc/corvane/README.md
    for package in corvane corvane-comment libcorvane1 libcorvane-dev; do
        echo "share/doc/$package/copyright" "share/doc/$package/changelog.Debian.gz"
    done
}

# The run paths of an installed program or library: none may point into the build folder.
check_run_path() {
    local run_path
    run_path=$(readelf -d "$1" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p;s/.*(RPATH).*\[\(.*\)\]/\1/p')
    case "$run_path" in
    *"$build"* | *"$source"*) fail "$1 has the run path '$run_path', which points into the build" ;;
    esac
    local entry
    for entry in ${run_path//:/ }; do
        [[ $entry == '$ORIGIN'* ]] || fail "$1 has the absolute run path entry '$entry'"
    done
}

step_install() {
    rm -rf "$root"
    DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
}

step_files() {
    local file
    for file in $(installed_files); do
        [ -e "$usr/$file" ] || fail "missing $file"
    done
    expect_equal "the library's soname" "libcorvane.so.1" \
        "$(readelf -d "$usr/$libdir/libcorvane.so.$version" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')"
    readelf -d "$usr/bin/corvane-comment" | grep -q 'NEEDED.*\[libcorvane\.so\.1\]' ||
        fail "corvane-comment does not load libcorvane by its soname"
    for file in bin/corvane bin/corvane-comment "$libdir/libcorvane.so.$version"; do
        check_run_path "$usr/$file"
    done
    expect_equal "corvane --version" "corvane $version" "$(env -u DISPLAY "$usr/bin/corvane" --version)"
    expect_equal "corvane-comment --version" "corvane-comment $version" "$("$usr/bin/corvane-comment" --version)"
    bash -n "$usr/share/bash-completion/completions/corvane-comment" || fail "the bash completion does not parse"
    grep -qw show "$usr/share/bash-completion/completions/corvane-comment" || fail "the bash completion does not know show"
}

# Every command and option the tool's usage lists, and every section a reader looks for, is in the pages.
step_manual() {
    local tool_page editor_page word section
    tool_page=$(zcat "$usr/share/man/man1/corvane-comment.1.gz")
    editor_page=$(zcat "$usr/share/man/man1/corvane.1.gz")
    for word in $("$usr/bin/corvane-comment" --help | sed -n 's/^  \([^ ][^ ]*\).*/\1/p'); do
        grep -qF "\\fB${word}\\fR" <<<"$tool_page" || fail "corvane-comment(1) does not describe '$word'"
    done
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FIELDS; do
        grep -q "^\.SH $section" <<<"$tool_page" || fail "corvane-comment(1) has no section $section"
        grep -q "^\.SH $section" <<<"$editor_page" || fail "corvane(1) has no section $section"
    done
    grep -qF '\fB--version\fR' <<<"$editor_page" || fail "corvane(1) does not describe --version"
    grep -qF "Corvane $version" <<<"$tool_page" || fail "corvane-comment(1) does not name version $version"
    # The instance channel where the editor puts it (platform/single_instance.cpp), and the fields a save writes.
    grep -qF 'corvane-UID/' <<<"$editor_page" || fail "corvane(1) gives another instance channel"
    grep -qF 'one socket per display' <<<"$editor_page" || fail "corvane(1) does not say each display has its own channel"
    grep -qF '\fBCtrl+Shift+Delete\fR' <<<"$editor_page" || fail "corvane(1) does not name Delete File's key"
    grep -qF 'Captioning a folder' "$usr/share/doc/corvane/README.md" || fail "the captioning guide is not installed"
    for word in ImageDescription dc:description Caption-Abstract; do
        grep -qF "\\fB${word}\\fR" <<<"$editor_page" || fail "corvane(1) does not say a save writes '$word'"
    done
}

step_validate() {
    local entry=$usr/share/applications/corvane.desktop metainfo=$usr/share/metainfo/org.corvane.corvane.metainfo.xml
    desktop-file-validate "$entry" || fail "the desktop entry is not valid"
    appstreamcli validate-tree --no-net --strict "$root" ||
        fail "the AppStream metadata is not valid, or the desktop entry it launches is missing"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream metadata has no release $version"
    expect_equal "the picture types AppStream lists" \
        "$(sed -n 's/^MimeType=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort)" \
        "$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo" | sort)"
}

# A program built and run against the installed files alone.
round_trip() { # PROGRAM
    local picture=$scratch/picture.gif output
    write_picture "$picture"
    output=$(LD_LIBRARY_PATH=$usr/$libdir "$1" "$picture" "Harbour at dusk") || fail "$1 failed: $output"
    expect_equal "the comment the program read back" "Harbour at dusk" "$output"
    expect_equal "the comment corvane-comment reads" "Harbour at dusk" "$("$usr/bin/corvane-comment" get "$picture")"
}

step_pkg_config() {
    fresh_scratch
    local pc_flags
    pc_flags=$(PKG_CONFIG_PATH=$usr/$libdir/pkgconfig PKG_CONFIG_SYSROOT_DIR=$root pkg-config --cflags --libs corvane)
    expect_equal "pkg-config's version" "$version" \
        "$(PKG_CONFIG_PATH=$usr/$libdir/pkgconfig pkg-config --modversion corvane)"
    # shellcheck disable=SC2086 # the flags are words
    "$cc" $cflags -o "$scratch/round_trip" "$source/tests/install/comment_round_trip.c" $pc_flags ||
        fail "the program does not build with pkg-config's flags"
    [ -x "$scratch/round_trip" ] && round_trip "$scratch/round_trip"
}

step_find_package() {
    fresh_scratch
    cmake -S "$source/tests/install/find_package" -B "$scratch" -G Ninja -DCMAKE_C_COMPILER="$cc" \
        -DCMAKE_C_FLAGS="$cflags" -DCMAKE_PREFIX_PATH="$usr" >"$scratch.log" 2>&1 &&
        cmake --build "$scratch" >>"$scratch.log" 2>&1 ||
        { cat "$scratch.log" >&2; fail "the program does not build with find_package(corvane)"; }
    [ -x "$scratch/comment_round_trip" ] && round_trip "$scratch/comment_round_trip"
}

"step_${step//-/_}"
[ "$failures" -eq 0 ]
