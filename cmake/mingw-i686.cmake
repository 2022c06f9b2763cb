# 32-bit Windows build: the one we ship. There is no 32-bit Wine on our Linux
# machines, so no emulator is set and its tests are built but not run.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(BW_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
