# Cross-compiles for Windows with Debian's mingw-w64; included by the
# per-target files, which name VELKARO_MINGW_TRIPLE. The plain compiler names
# lead to Debian's default, the win32-threads variant, which is the one the
# static Qt was built with.
# Pass the unpacked Qt folder as -DVELKARO_QT_PREFIX=<folder>.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VELKARO_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${VELKARO_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${VELKARO_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${VELKARO_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${VELKARO_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")

# try_compile projects read this file again without the cache; hand the
# prefix on to them, and fall back to the environment.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELKARO_QT_PREFIX)
if(NOT VELKARO_QT_PREFIX AND DEFINED ENV{VELKARO_QT_PREFIX})
    set(VELKARO_QT_PREFIX "$ENV{VELKARO_QT_PREFIX}")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${VELKARO_MINGW_TRIPLE})
if(VELKARO_QT_PREFIX)
    list(APPEND CMAKE_FIND_ROOT_PATH "${VELKARO_QT_PREFIX}")
    if(NOT Qt5_DIR)
        set(Qt5_DIR "${VELKARO_QT_PREFIX}/lib/cmake/Qt5" CACHE PATH "Qt5 for the target")
    endif()
endif()
# Host tools (moc, rcc) run here; headers, libraries and packages come only
# from the target folders.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: no mingw runtime DLLs beside it. No link time in
# the PE header, so that one commit always gives the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
# Nor the folders it was built in (__FILE__ and the like). The last map that
# matches wins, so the folders inside the source come after it.
set(_velkaro_prefix_maps "-ffile-prefix-map=${CMAKE_SOURCE_DIR}=. -ffile-prefix-map=${CMAKE_BINARY_DIR}=build")
if(VELKARO_QT_PREFIX)
    string(APPEND _velkaro_prefix_maps " -ffile-prefix-map=${VELKARO_QT_PREFIX}=qt")
endif()
set(CMAKE_C_FLAGS_INIT "${_velkaro_prefix_maps}")
set(CMAKE_CXX_FLAGS_INIT "${_velkaro_prefix_maps}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
