# Shared settings of the mingw-w64 cross builds; the per-target files set HX_MINGW_TRIPLE first.
# The win32 thread model: the program starts no threads of its own, and the posix one would
# bring winpthread, whose clock calls GetTickCount64, which no system before Vista has.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${HX_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${HX_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${HX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
