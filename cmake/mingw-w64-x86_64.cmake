# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which the
# standard library's threads need), running what is built under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
# Libraries built for Windows outside the system's folders (Qt and libzip, which
# scripts/build-windows-deps makes) are searched as further roots: TARNIK_WINDOWS_PREFIXES.
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${TARNIK_WINDOWS_PREFIXES})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TARNIK_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The programs carry their own C and C++ runtime, so that Wine (or Windows) needs no MinGW DLLs;
# a program built on the Qt DLLs, which use the runtime's DLLs, is configured to use them too.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
find_program(TARNIK_WINE NAMES wine wine64)
if(TARNIK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TARNIK_WINE})
endif()
