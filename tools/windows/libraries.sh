#!/usr/bin/env bash
# Builds the Windows libraries the game links (freeglut, OpenAL Soft, libsndfile, SDL2) from
# Debian's original tarballs with MinGW-w64, into a cache outside the clone, and prints the
# prefix they are installed in. The cache is keyed by the tarballs' checksums, the compilers'
# versions and this script with the toolchain file, so a second run builds nothing; a fresh
# machine builds them all (a few minutes).
# Usage: libraries.sh WORK_DIR   (the tarballs and the builds go under WORK_DIR)
set -euo pipefail

# The versions, pinned here only: the Debian release that carries them, and for each library
# its source package, upstream version and original tarball's SHA-256 (apt checks the tarball
# against the archive's signed index too).
suite=trixie
libraries=(
    "freeglut 3.4.0 3c0bcb915d9b180a97edaebd011b7a1de54583a838644dcd42bb0ea0c6f3eaec"
    "openal-soft 1.24.2 7efd383d70508587fbc146e4c508771a2235a5fc8ae05bf6fe721c20a348bd7c"
    "libsndfile 1.2.2 ffe12ef8add3eaca876f04087734e6e8e029350082f3251f565fa9da55b52121"
    "libsdl2 2.32.4+dfsg d364cded8bf41f3f503014d3fb6473f1a7077ff468da1638dae4a6bec6ef2277"
)

here=$(dirname "$(readlink -f "$0")")
toolchain=$(readlink -f "$here/../../cmake/mingw-w64.cmake")
work=$(mkdir -p "$1" && readlink -f "$1")
jobs=${JOBS:-2}
log() { echo "libraries: $*" >&2; }

key=$( {
    printf '%s\n' "${libraries[@]}"
    x86_64-w64-mingw32-gcc-posix --version | head -n 1
    x86_64-w64-mingw32-g++-posix --version | head -n 1
    x86_64-w64-mingw32-ld --version | head -n 1
    cmake --version | head -n 1
    cat "$0" "$toolchain"
} | sha256sum | cut -c 1-16)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/ruko
prefix=$cache/win64-$key
mkdir -p "$cache"

# One build at a time per cache: a second caller waits for the first and uses its result.
exec 9>"$cache/win64.lock"
flock 9
if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

# The tarballs through a private apt configuration: its own lists and cache under WORK_DIR,
# deb-src entries for the same archive the machine installs from, the system's left untouched.
fetch_tarballs() {
    local apt=$work/apt uri
    uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(TARGET_OF)' |
        awk -v release="$(. /etc/os-release && echo "$VERSION_CODENAME")" \
            '$2 == release && $3 == "deb" {print $1; exit}')
    [[ -n $uri ]] || { log "no Debian archive found in this machine's apt sources"; exit 1; }
    rm -rf "$apt" && mkdir -p "$apt/sources" "$apt/lists/partial" "$apt/cache/archives/partial"
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\n' "$uri" "$suite" \
        >"$apt/sources/ruko.sources"
    cat >"$apt/apt.conf" <<CONF
Dir::Etc::SourceList "/dev/null";
Dir::Etc::SourceParts "$apt/sources";
Dir::State::Lists "$apt/lists";
Dir::State::status "/dev/null";
Dir::Cache "$apt/cache";
Acquire::Languages "none";
Debug::NoLocking "true";
APT::Sandbox::User "$(id -un)";
CONF
    export APT_CONFIG=$apt/apt.conf
    apt-get update -qq >&2
    mkdir -p "$work/sources"
    local entry package upstream sum version
    for entry in "${libraries[@]}"; do
        read -r package upstream sum <<<"$entry"
        # The archive's version of that upstream release, whatever Debian revision it is at.
        version=$(apt-cache showsrc "$package" | awk -v up="$upstream" \
            '$1 == "Version:" {v = $2; sub(/^[0-9]+:/, "", v); sub(/-[^-]*$/, "", v); if (v == up) {print $2; exit}}')
        [[ -n $version ]] || { log "$suite carries no $package $upstream"; exit 1; }
        (cd "$work/sources" && apt-get source -qq --download-only --tar-only "$package=$version" >&2)
    done
    unset APT_CONFIG
}

tarball() { echo "$work/sources/${1}_$2.orig.tar".*; }

have_tarballs() {
    local entry package upstream sum file
    for entry in "${libraries[@]}"; do
        read -r package upstream sum <<<"$entry"
        file=$(tarball "$package" "$upstream")
        [[ -f $file ]] && echo "$sum  $file" | sha256sum --quiet -c - 2>/dev/null || return 1
    done
}

have_tarballs || fetch_tarballs
have_tarballs || { log "the tarballs do not match their pinned checksums"; exit 1; }

# Installed where they stay (their .pc and CMake files name the place); only a prefix marked
# complete is used, a broken one is built again.
rm -rf "$prefix" "$work/libs" && mkdir -p "$prefix" "$work/libs"

# Unpacks a package's tarball and builds it with CMake into the prefix.
build() {
    local package=$1 upstream=$2
    shift 2
    local source=$work/libs/$package
    log "building $package $upstream"
    mkdir -p "$source"
    tar -xf "$(tarball "$package" "$upstream")" -C "$source" --strip-components=1
    local started=$SECONDS dlls_before
    dlls_before=$(ls "$prefix/bin" 2>/dev/null || true)
    cmake -S "$source" -B "$source/build" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >"$source/configure.log" 2>&1 ||
        { tail -n 30 "$source/configure.log" >&2; exit 1; }
    cmake --build "$source/build" -j "$jobs" >"$source/build.log" 2>&1 ||
        { tail -n 30 "$source/build.log" >&2; exit 1; }
    cmake --install "$source/build" --strip >"$source/install.log" 2>&1 ||
        { tail -n 30 "$source/install.log" >&2; exit 1; }
    # Its licence and where its source comes from, and which DLLs it made, for the game's zip.
    local licenses=$prefix/licenses/$package
    mkdir -p "$licenses"
    cp "$source"/{COPYING,LICENSE.txt} "$licenses/" 2>/dev/null || true
    ls "$licenses"/* >/dev/null || { log "no licence found in $package"; exit 1; }
    printf '%s %s, built for Windows with MinGW-w64 from Debian'"'"'s source package %s\r\n(release %s), original tarball %s (SHA-256 %s),\r\nas fetched by `apt-get source %s`.\r\n' \
        "$package" "$upstream" "$package" "$suite" "$(basename "$(tarball "$package" "$upstream")")" \
        "$(sum_of "$package")" "$package" >"$licenses/SOURCE.txt"
    comm -13 <(echo "$dlls_before") <(ls "$prefix/bin") | grep '\.dll$' |
        sed "s/\$/ $package/" >>"$prefix/licenses/dlls.txt"
    log "$package built in $((SECONDS - started)) s"
}

# version_of PACKAGE, sum_of PACKAGE: its pinned upstream version and tarball checksum.
pinned() {
    local entry package upstream sum
    for entry in "${libraries[@]}"; do
        read -r package upstream sum <<<"$entry"
        [[ $package == "$1" ]] && echo "$entry"
    done
}
version_of() { pinned "$1" | cut -d ' ' -f 2; }
sum_of() { pinned "$1" | cut -d ' ' -f 3; }

build freeglut "$(version_of freeglut)" -DFREEGLUT_BUILD_DEMOS=OFF \
    -DFREEGLUT_BUILD_STATIC_LIBS=OFF -DFREEGLUT_GLES=OFF
# The game includes GL/glut.h, which freeglut installs on Windows only when it takes GLUT's
# name (its DLL then glut.dll): the header alone, which includes freeglut's own.
cp "$work/libs/freeglut/include/GL/glut.h" "$prefix/include/GL/"
# Playback through Windows' own audio (WASAPI, DirectSound, WinMM) and the wave writer the
# tests record with; the C++ runtime and the threads linked in, so the DLL stands alone.
build openal-soft "$(version_of openal-soft)" -DALSOFT_UTILS=OFF -DALSOFT_EXAMPLES=OFF \
    -DALSOFT_TESTS=OFF -DALSOFT_INSTALL_CONFIG=OFF -DALSOFT_INSTALL_HRTF_DATA=OFF \
    -DALSOFT_INSTALL_AMBDEC_PRESETS=OFF -DALSOFT_INSTALL_EXAMPLES=OFF \
    -DALSOFT_INSTALL_UTILS=OFF -DALSOFT_NO_CONFIG_UTIL=ON -DALSOFT_STATIC_LIBGCC=ON \
    -DALSOFT_STATIC_STDCXX=ON -DALSOFT_STATIC_WINPTHREAD=ON
# WAV and the other built-in formats only: no external codecs.
build libsndfile "$(version_of libsndfile)" -DBUILD_SHARED_LIBS=ON -DBUILD_PROGRAMS=OFF \
    -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF -DENABLE_EXTERNAL_LIBS=OFF -DENABLE_MPEG=OFF \
    -DENABLE_CPACK=OFF -DINSTALL_MANPAGES=OFF -DBUILD_REGTEST=OFF
# Game controllers only: joysticks, haptics, HIDAPI; no video, audio or rendering.
build libsdl2 "$(version_of libsdl2)" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF \
    -DSDL2_DISABLE_SDL2MAIN=ON -DSDL2_DISABLE_UNINSTALL=ON -DSDL_VIDEO=OFF -DSDL_RENDER=OFF \
    -DSDL_AUDIO=OFF -DSDL_POWER=OFF -DSDL_FILESYSTEM=OFF -DSDL_LOCALE=OFF -DSDL_MISC=OFF \
    -DSDL_JOYSTICK=ON -DSDL_HAPTIC=ON -DSDL_HIDAPI=ON -DSDL_SENSOR=ON

touch "$prefix/.complete"
echo "$prefix"
