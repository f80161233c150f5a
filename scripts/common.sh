# Shared by ./run and ./test: install what a fresh Debian machine lacks, then configure and build.
# The one list of the packages the project needs lives here.

ORVA_PACKAGES=(
    g++ cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-translations-l10n
    libgcrypt20-dev
    libbenchmark-dev
    fonts-liberation2
    # The Debian package and the install test: dependencies of the binaries, the desktop entry's and
    # the metainfo's validators, the file-type database with its GIO and xdg-mime readers, the manual
    # page formatter, the package checker.
    dpkg-dev desktop-file-utils appstream shared-mime-info libglib2.0-bin xdg-utils libfile-mimeinfo-perl
    man-db lintian
    # The panel's card as a real FAT file system in the tests: images made and mounted in user space.
    dosfstools fusefat
    # Qt's static analyser for ./test --lint.
    clazy
)

# Installed without their recommendations (which would bring a desktop's printing stack): the CUPS
# scheduler and its command line tools, for the test that prints on a private CUPS queue.
ORVA_TEST_PACKAGES=(cups-daemon cups-client)

orva_install_missing() {
    local missing=() missing_lean=()
    local p
    for p in "${ORVA_PACKAGES[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    for p in "${ORVA_TEST_PACKAGES[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing_lean+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && [ ${#missing_lean[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]} ${missing_lean[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    [ ${#missing[@]} -eq 0 ] ||
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
    [ ${#missing_lean[@]} -eq 0 ] ||
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing_lean[@]}"
}

# Fails, naming the files, when a source of src/, tests/, bench/ or fuzz/ is not formatted as the
# project's .clang-format says.
orva_check_format() {
    local files=() output unformatted
    mapfile -d '' files < <(cd "$ORVA_ROOT" &&
        find src tests bench fuzz tools \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
    output=$(cd "$ORVA_ROOT" && clang-format --dry-run -Werror "${files[@]}" 2>&1) && return 0
    unformatted=$(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' \
        <<<"$output" | sort -u)
    if [ -n "$unformatted" ]; then
        echo "Not formatted as .clang-format says (run clang-format -i on these files):" >&2
        sed 's/^/  /' <<<"$unformatted" >&2
    else
        echo "clang-format failed:" >&2
        echo "$output" >&2
    fi
    return 1
}

# orva_build <build-dir> [extra cmake arguments...]
orva_build() {
    local dir=$1
    shift
    local generator=()
    [ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
    cmake -S "$ORVA_ROOT" -B "$dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

# Qt's static analyser (clazy, its level 0 and level 1 checks) over the program's sources with the
# compile commands of the build in $1. Fails, showing them, on any warning.
orva_lint() {
    local dir=$1 files=() output
    mapfile -d '' files < <(cd "$ORVA_ROOT" && find src -name '*.cpp' -print0 | sort -z)
    output=$(cd "$ORVA_ROOT" && printf '%s\0' "${files[@]}" |
        xargs -0 -n 6 -P "$(nproc)" clazy-standalone -p "$dir" --checks=level0,level1 \
            --ignore-dirs="$dir|/usr/" 2>&1) || {
        echo "clazy could not analyse the sources:" >&2
        echo "$output" >&2
        return 1
    }
    if grep -q 'warning:' <<<"$output"; then
        echo "clazy (level 0 and 1) warns:" >&2
        grep -A3 'warning:' <<<"$output" >&2
        return 1
    fi
    echo "clazy (level 0 and 1): no warnings in ${#files[@]} sources"
}
