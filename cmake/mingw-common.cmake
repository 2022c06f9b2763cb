# Shared part of the two MinGW-w64 toolchains. The including file sets
# BW_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
#
# The -posix compilers are the ones with the winpthreads thread model;
# GoogleTest needs std::mutex, which the -win32 model lacks.

set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${BW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${BW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${BW_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${BW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static: the executables must run on a plain Windows without the
# MinGW runtime DLLs (libstdc++, libgcc, libwinpthread) beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Our .rc files are UTF-8. windres does not honour #pragma code_page(65001),
# so without -c 65001 the Japanese control texts turn into "??".
set(CMAKE_RC_FLAGS_INIT "-c 65001")
