# Shared by ./run, ./test and scripts/fuzz.sh: install what is missing, then
# build into build/ (or another folder, with other options).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="$ROOT/build"
PACKAGES=(qt6-base-dev cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev)
# The Debian package and its checks, made by ./package and by the package
# test of ./test: dpkg-shlibdeps finds the library dependencies; lintian,
# appstreamcli and desktop-file-validate check the package as Debian would.
PACKAGE_TOOLS=(dpkg-dev lintian appstream desktop-file-utils)
# The test that ends the real kit by signals types into it on a virtual display.
TEST_TOOLS=(xvfb xdotool)
# Only ./run needs these: xdg-open opens the help texts and folders with the
# desktop's own programs.
RUN_PACKAGES=(xdg-utils)

# Qt wants a private runtime folder; give it one when the session has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d -t tav-runtime-XXXXXX)"
    export XDG_RUNTIME_DIR
fi

# Installs the given packages (the common PACKAGES when none are given) that
# are missing.
ensure_packages() {
    local wanted=("$@")
    if [ ${#wanted[@]} -eq 0 ]; then
        wanted=("${PACKAGES[@]}")
    fi
    local missing=()
    for pkg in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_kit() {
    build_in "$BUILD_DIR" ""
}

# build_in DIR "TARGETS" [CMAKE OPTIONS...]: configures DIR once with the
# options, then builds the targets (all when empty).
build_in() {
    local dir="$1" targets="$2" jobs
    shift 2
    jobs="$(nproc 2>/dev/null || echo 2)"
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    # shellcheck disable=SC2086 # the targets are words
    cmake --build "$dir" --parallel "$jobs" ${targets:+--target $targets}
}
