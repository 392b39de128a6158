# Sourced by ./run and ./test: installs the Debian packages the build needs when they are missing.
# The editor needs a compiler, CMake, Ninja and Qt with its Wayland platform plugin (a Wayland
# session without X has no other way in), and DejaVu Sans Condensed: the windows' font, a narrow
# face in which every caption fits its control.
vantrel_packages="cmake ninja-build g++ qt6-base-dev qt6-wayland fonts-dejavu-extra"
# The tests and benchmarks add their frameworks; the window tests run offscreen, without a display.
vantrel_test_packages="libgtest-dev libbenchmark-dev"

vantrel_install_missing() { # extra packages beyond the editor's
    local missing=() pkg
    for pkg in $vantrel_packages "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

vantrel_build() { # build directory, then extra CMake options; VANTREL_JOBS caps the compiler jobs
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" ${VANTREL_JOBS:+--parallel "$VANTREL_JOBS"}
}
