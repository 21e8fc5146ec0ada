# Cross-building for 64-bit Windows with MinGW-w64's posix-thread compilers: std::thread (the
# game's sound start, OpenAL Soft's mixer) needs that thread model.
# -DCMAKE_PREFIX_PATH=DIR names where the Windows libraries are installed (tools/windows/libraries.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(RUKO_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RUKO_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RUKO_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${RUKO_MINGW_TRIPLET}-windres)

# Headers and libraries from the MinGW-w64 runtime and the prefix only, never the host's;
# programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${RUKO_MINGW_TRIPLET} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config reads the prefix's .pc files, and none of the host's.
set(ENV{PKG_CONFIG_LIBDIR} "")
foreach(prefix ${CMAKE_PREFIX_PATH})
    set(ENV{PKG_CONFIG_LIBDIR} "${prefix}/lib/pkgconfig")
endforeach()
set(ENV{PKG_CONFIG_PATH} "")
