# Cross-builds the Windows program with Debian's mingw-w64: 32-bit (i686) by default,
# 64-bit with -DQUENDAL_WINDOWS_ARCH=x86_64.
set(QUENDAL_WINDOWS_ARCH i686 CACHE STRING "Windows processor: i686 or x86_64")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUENDAL_WINDOWS_ARCH})
set(mingw ${QUENDAL_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc)
set(CMAKE_CXX_COMPILER ${mingw}-g++)
set(CMAKE_RC_COMPILER ${mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The 32-bit program computes on SSE2, as the 64-bit one does, rather than on the x87 unit
# with its 80-bit intermediates: both then compute every Reading bit for bit alike.
if(QUENDAL_WINDOWS_ARCH STREQUAL "i686")
    set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
    set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
endif()
