#!/usr/bin/env bash
# Installs, when run as root, the Debian packages that this machine lacks: `run` for what
# building and playing need (make run), `test` for those and what the tests add (make test).
# Without root it names what is missing and fails; without dpkg and apt it names the libraries.
set -euo pipefail

# The default build: the game, the icon and the asset generators (FreeType) under tools/.
run_packages=(
    cmake g++ make pkg-config
    freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libgl1-mesa-dri libfreetype-dev
    libopenal-dev libsndfile1-dev libsdl2-dev
)
# The tests, the sanitizer and fuzz builds, valgrind, the benchmarks, `make assets` (the
# DejaVu fonts), the package checks, and the Windows build (MinGW-w64) with its tests (Wine).
test_packages=(
    libgtest-dev libbenchmark-dev libxtst-dev fonts-dejavu-core
    xvfb xauth xdotool x11-utils imagemagick clang-format git time strace
    desktop-file-utils dpkg-dev lintian appstream groff-base man-db
    clang-14 libclang-rt-14-dev valgrind
    mingw-w64 wine wine64
)

case ${1:-} in
run) packages=("${run_packages[@]}") ;;
test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

# Elsewhere, the build's own checks (CMake) say what is missing: this names the libraries.
if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "No Debian packages here: the game needs freeglut, GLU, OpenAL Soft, libsndfile, SDL2 and" \
        "FreeType (with their headers), CMake, pkg-config and a C++17 compiler; install them with" \
        "this system's own packages. The build checks for them (CMake says what it cannot find)."
    exit 0
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -eq 0 ]]; then
    echo "Nothing to install: every package that make $1 needs is here."
    exit 0
fi

if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root (sudo $0 ${1}), then build and play as yourself (make run)." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
