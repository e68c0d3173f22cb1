# Debian packages the program needs, and a function that installs the missing ones.
# Sourced by ./run, ./test and tools/loaded-test-runs.sh.

BUILD_PACKAGES="cmake g++ make pkg-config libcmark-dev qt6-base-dev qt6-webengine-dev qt6-tools-dev libqt6printsupport6 libgl-dev libxkbcommon-dev"
TEST_PACKAGES="clang libclang-rt-14-dev libbenchmark-dev xvfb xauth cups printer-driver-cups-pdf poppler-utils openbox xdotool wmctrl x11-utils imagemagick desktop-file-utils libglib2.0-bin at-spi2-core python3-pyatspi"
# Only for tools/loaded-test-runs.sh: load for both cores while ./test runs.
LOAD_PACKAGES="stress-ng"

# ensure_packages PACKAGE...: installs with apt-get whatever is not installed yet.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    local apt=(apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        if sudo -n true 2>/dev/null; then
            apt=(sudo -n apt-get)
        else
            echo "These packages are missing and apt-get needs root:" >&2
            echo "    sudo apt-get install -y ${missing[*]}" >&2
            echo "Run that, then run this command again." >&2
            exit 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    if ! { "${apt[@]}" update -qq && "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "apt-get could not install: ${missing[*]}" >&2
        echo "Install them by hand (apt-get install -y ${missing[*]}) and run this command again." >&2
        exit 1
    fi
}

# configure_and_build BUILD_DIR [cmake options]: a Release build in BUILD_DIR.
configure_and_build() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}
