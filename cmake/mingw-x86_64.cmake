# 64-bit Windows build: the one whose tests run under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(BW_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# ctest and CMake's own test discovery run the .exe files through Wine with
# the prefix kept inside this build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run --prefix ${CMAKE_BINARY_DIR}/wineprefix)
