# Shared by scripts/run and scripts/test: Debian packages, configure and build.

VANTREL_PACKAGES=(
    cmake ninja-build g++ pkg-config
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl-dev
    libpulse-dev libdbus-1-dev libx11-dev
    fonts-liberation
    xvfb xauth x11-utils xdotool xclip imagemagick
    dbus dbus-x11
    cups cups-bsd cups-client poppler-utils
    at-spi2-core python3-pyatspi gir1.2-atspi-2.0
    desktop-file-utils appstream dpkg-dev lintian
)

ensure_packages() {
    local missing=()
    local package
    for package in "${VANTREL_PACKAGES[@]}"; do
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

build_tree() {
    local root=$1 build=$2
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j "$(nproc)"
}
