#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under /usr, as the Debian package lays it out, and checks
# what a user gets from there: the files at their places, the installed orva-config, the installed
# editor finding its pictures, the desktop entry and metainfo passing their validators, the manual
# pages matching --help, and the file types recognising our configurations and no other .ini files.
#   check_install.sh BUILD_DIR MIME_PROBE SOURCE_DIR APP_ID      (cmake from $CMAKE_COMMAND, else PATH)
set -euo pipefail

build=$1
mime_probe=$2
source_dir=$3
app_id=$4
cmake=${CMAKE_COMMAND:-cmake}

stage=$(mktemp -d)
editor_pid=
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    rm -rf "$stage"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR="$stage/root" "$cmake" --install "$build" --prefix /usr >"$stage/install.log"
usr=$stage/root/usr

# The programs must not reach anything of the user's or of another installation.
export HOME=$stage/home XDG_CONFIG_HOME=$stage/home/.config XDG_DATA_HOME=$stage/home/.local/share
export XDG_RUNTIME_DIR=$stage/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# --- Files at their places ------------------------------------------------------------------------
expected=(
    bin/orva-config bin/orva-configurator
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml
    share/mime/packages/$app_id.xml
    share/icons/hicolor/scalable/apps/$app_id.svg
    share/man/man1/orva-config.1.gz share/man/man1/orva-configurator.1.gz
    share/doc/orva-configurator/copyright share/doc/orva-configurator/changelog.gz
    share/orva-configurator/Image/NoGuard.jpg share/orva-configurator/Image/GuardDelay.jpg
)
for f in "${expected[@]}"; do
    [ -f "$usr/$f" ] || fail "not installed: /usr/$f"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    if [ ! -f "$png" ]; then
        fail "not installed: icon of $size pixels"
        continue
    fi
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$w $h" = "$size $size" ] || fail "icon in ${size}x$size is $w x $h"
done
installed_pictures=$(find "$usr/share/orva-configurator/Image" -name '*.jpg' | wc -l)
source_pictures=$(find "$source_dir/resources/Image" -name '*.jpg' | wc -l)
[ "$installed_pictures" -eq "$source_pictures" ] ||
    fail "$installed_pictures of $source_pictures mode pictures installed"

# --- The installed orva-config --------------------------------------------------------------------
cli=$usr/bin/orva-config
"$cli" --help >"$stage/help.txt" || fail "orva-config --help exits $?"
grep -q '^Commands:' "$stage/help.txt" || fail "orva-config --help lists no commands"
"$cli" defaults -o "$stage/panel.ini" || fail "orva-config defaults exits $?"
[ "$(head -c 8 "$stage/panel.ini")" = "Zentrix-" ] || fail "orva-config defaults wrote no version command first"

# --- Manual pages against --help ------------------------------------------------------------------
# A page's source as plain words: font escapes and macro names dropped, "\-" as "-", lines joined.
plain_words() {
    zcat "$1" | sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' -e 's/\\(lq/"/g' -e 's/\\(rq/"/g' -e 's/\\&//g' \
        -e 's/^\.[A-Z][A-Z]* *//' | tr -s ' \n' '  '
}
words_contain() { # words_contain HAYSTACK TEXT
    local needle
    needle=$(printf '%s' "$2" | tr -s ' \n' '  ' | sed -e 's/^ //' -e 's/ $//')
    case "$1" in *"$needle"*) return 0 ;; esac
    return 1
}
for page in orva-config orva-configurator; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null) ||
        fail "man cannot format $page.1"
    [ -z "$warnings" ] || fail "man warns on $page.1: $warnings"
done
cli_page=$(plain_words "$usr/share/man/man1/orva-config.1.gz")
commands=$(awk '/^Commands:/ { on = 1; next } on && /^$/ { exit } on && /^  [a-z]/ { print $1 }' "$stage/help.txt")
[ -n "$commands" ] || fail "no commands found in orva-config --help"
for command in $commands; do
    "$cli" "$command" --help >"$stage/help-$command.txt" || fail "orva-config $command --help exits $?"
    words_contain "$cli_page" "orva-config $command" || fail "orva-config.1 lacks the command $command"
    # The command's description (the lines under its name in the overview).
    description=$(awk -v c="$command" '$0 == "  " c { on = 1; next } on && /^      / { print; next } on { exit }' \
        "$stage/help.txt")
    words_contain "$cli_page" "$description" || fail "orva-config.1 lacks the description of $command"
    # Every option of the command.
    for option in $(awk '/^Options:/ { on = 1; next } on && /^$/ { exit } on' "$stage/help-$command.txt" |
        grep -o -- '--[a-z][a-z-]*' | sort -u); do
        words_contain "$cli_page" "$option" || fail "orva-config.1 lacks $command's option $option"
    done
    # Every exit code line (with the lines it wraps onto), word for word.
    grep -q '^Exit codes:' "$stage/help-$command.txt" || fail "orva-config $command --help lists no exit codes"
    while IFS= read -r line; do
        words_contain "$cli_page" "$line" || fail "orva-config.1 lacks $command's exit code line: $line"
    done < <(awk '/^Exit codes:/ { on = 1; next }
                  on && /^ *[0-9]+  / { if (code != "") print code; code = $0; next }
                  on && /^     [^ ]/ { code = code " " $0; next }
                  on { exit }
                  END { if (code != "") print code }' "$stage/help-$command.txt")
done

# --- The installed editor finds its pictures ------------------------------------------------------
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="orva.pictures.info=true" \
    "$usr/bin/orva-configurator" "$stage/panel.ini" 2>"$stage/editor.log" &
editor_pid=$!
for _ in $(seq 1 300); do
    grep -q 'picture ' "$stage/editor.log" && break
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.1
done
sleep 0.5
if kill -0 "$editor_pid" 2>/dev/null; then
    kill "$editor_pid"
    wait "$editor_pid" 2>/dev/null || true
else
    wait "$editor_pid" && status=0 || status=$?
    fail "the installed editor ended at start with status $status"
fi
editor_pid=
grep -q "picture loaded: $usr/share/orva-configurator/Image/" "$stage/editor.log" ||
    fail "the installed editor loaded no picture from its data folder"
if grep -q 'picture not shown' "$stage/editor.log"; then
    fail "the installed editor missed a picture: $(grep 'picture not shown' "$stage/editor.log" | head -1)"
fi

# --- Desktop entry and metainfo -------------------------------------------------------------------
desktop-file-validate "$usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml" >"$stage/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(cat "$stage/appstream.log")"

# The entry starts an installed program and names only file types that the package defines.
desktop=$usr/share/applications/$app_id.desktop
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$usr/bin/$exec_program" ] || fail "the desktop entry starts $exec_program, which is not installed"
for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
    grep -q "<mime-type type=\"$type\">" "$usr/share/mime/packages/$app_id.xml" ||
        fail "the desktop entry names $type, which no installed file type defines"
    grep -q "<mediatype>$type</mediatype>" "$usr/share/metainfo/$app_id.metainfo.xml" ||
        fail "the metainfo does not provide $type"
done

# --- File types -----------------------------------------------------------------------------------
export XDG_DATA_DIRS=$usr/share:/usr/share
update-mime-database "$usr/share/mime" || fail "update-mime-database refuses the file types"
files=$stage/files
mkdir -p "$files"
cp "$stage/panel.ini" "$files/panel.ini"
# The save dialog's second kind: a configuration named like GSM audio.
cp "$stage/panel.ini" "$files/panel.gsm"
# Free text and a comment before the version command, in a name that says nothing.
printf 'my panel\r\n; office\r\nzentrix-Config Orva soft v.3.0\r\nxo-90\r\n' >"$files/backup"
printf '[General]\nlanguage=ru\n' >"$files/settings.ini"
header_and_block='Sklad     1234567890AB01234567'
printf '\xcf\xcf\xca\xce\xcf ZENTRIX-Orva\r\n%s' "$header_and_block" >"$files/panel.cry"
# A renamed container, its signature line in lower case after blanks, as the program accepts it.
printf '  \xef\xef\xea\xee\xef zentrix-orva\r\n%s' "$header_and_block" >"$files/panel-copy"
expect_types() { # expect_types ENGINE: reads "<file> <type>" lines
    local engine=$1 file type
    while read -r file type; do
        case "${file##*/}" in
            panel.ini | panel.gsm | backup) want=text/x-orva-configuration ;;
            audio.gsm) want=audio/x-gsm ;;
            settings.ini) want=text/plain ;;
            panel.cry | panel-copy) want=application/x-orva-container ;;
        esac
        [ "$type" = "$want" ] || fail "$engine takes ${file##*/} for $type, not $want"
    done
}
names=("$files/panel.ini" "$files/panel.gsm" "$files/backup" "$files/settings.ini" "$files/panel.cry"
    "$files/panel-copy")
expect_types "Qt's MIME database" < <("$mime_probe" "${names[@]}" | tr '\t' ' ')
gio_types() {
    local f
    for f in "$@"; do
        printf '%s %s\n' "$f" "$(gio info -a standard::content-type "$f" | sed -n 's/.*standard::content-type: //p')"
    done
}
expect_types "GIO" < <(gio_types "${names[@]}")
# xdg-mime, as a file manager or a script asks (on a desktop without its own engine it asks
# File::MimeInfo, which reads the same database).
xdg_types() {
    local f
    for f in "$@"; do
        printf '%s %s\n' "$f" "$(xdg-mime query filetype "$f")"
    done
}
if command -v xdg-mime >/dev/null; then
    expect_types "xdg-mime" < <(xdg_types "$files/panel.ini" "$files/panel.gsm" "$files/settings.ini")
fi

# Installed under /usr, the package's file types share one database with the system's: there a GSM
# audio file (no version command in it) stays audio, and a configuration named .gsm is ours.
system=$stage/system
mkdir -p "$system/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$usr/share/mime/packages/$app_id.xml" "$system/mime/packages/"
update-mime-database "$system/mime" || fail "update-mime-database refuses the joined file types"
head -c 3300 /dev/urandom >"$files/audio.gsm"
export XDG_DATA_DIRS=$system
expect_types "GIO, one database" < <(gio_types "$files/panel.gsm" "$files/audio.gsm")
if command -v xdg-mime >/dev/null; then
    expect_types "xdg-mime, one database" < <(xdg_types "$files/panel.gsm" "$files/audio.gsm")
fi

# --- The Debian package ---------------------------------------------------------------------------
# lintian (where it is installed) finds no error and no warning in the package cpack makes.
if command -v lintian >/dev/null; then
    cpack=$(dirname "$cmake")/cpack
    command -v "$cpack" >/dev/null || cpack=cpack
    (cd "$build" && "$cpack" -G DEB -B "$stage/package" >"$stage/cpack.log" 2>&1) ||
        fail "cpack: $(tail -5 "$stage/cpack.log")"
    for deb in "$stage"/package/*.deb; do
        [ -f "$deb" ] || { fail "cpack made no package"; break; }
        findings=$(lintian --no-tag-display-limit "$deb" 2>/dev/null | grep -E '^[EW]: ' || true)
        [ -z "$findings" ] || fail "lintian: $findings"
    done
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures failure(s)" >&2
    exit 1
fi
echo "installed tree checked"
