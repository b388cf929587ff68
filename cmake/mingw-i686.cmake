set(HX_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
# The shipping build: its tests run under 32-bit Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
