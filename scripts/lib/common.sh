# Shared by scripts/run and scripts/test: Debian packages, configure and build.

# What building and running the calculator needs.
VANTREL_RUN_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    libpulse-dev libdbus-1-dev libx11-dev libcups2-dev
    libxkbcommon-dev libxkbcommon-x11-dev libwayland-dev qt6-base-private-dev
    fonts-liberation
)

# What the tests, benchmarks, fuzz targets and the formatting check add to that.
VANTREL_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev libxcb-damage0-dev libxcb-xtest0-dev
    clang clang-format libclang-rt-14-dev
    python3 python3-dbus
    xvfb xauth x11-utils x11-xserver-utils xdotool xclip imagemagick
    dbus dbus-x11
    cups cups-bsd cups-client poppler-utils
    at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    orca speech-dispatcher speech-dispatcher-audio-plugins procps
    desktop-file-utils appstream dpkg-dev lintian
    sway xwayland wtype qt6-wayland wl-clipboard
)

VANTREL_PACKAGES=("${VANTREL_RUN_PACKAGES[@]}" "${VANTREL_TEST_PACKAGES[@]}")

# Installs those of the given packages (all of VANTREL_PACKAGES when none is given) that are
# missing. The names are real packages, not virtual ones: dpkg-query knows only real ones, and
# a virtual name would count as missing on every run.
ensure_packages() {
    local wanted=("$@")
    [ ${#wanted[@]} -gt 0 ] || wanted=("${VANTREL_PACKAGES[@]}")
    local missing=()
    local package
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Configures and builds the tree in build; further arguments go to cmake's configure step.
build_tree() {
    local root=$1 build=$2
    shift 2
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$build" -j "$(nproc)"
}
