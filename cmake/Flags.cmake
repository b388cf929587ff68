# Compiler and linker settings for every target of our own.
if(MSVC)
  add_compile_options(/W4 /WX /utf-8)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
else()
  add_compile_options(-Wall -Wextra -Werror)
endif()

if(WIN32)
  # Vista is the oldest system the program runs on: anything newer is loaded at run time.
  add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0600 WINVER=0x0600)
  if(MINGW)
    # One self-contained exe: no libgcc or libstdc++ DLLs beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
    # A tray utility is small before it is fast: code optimised for size, and every function
    # and datum that nothing calls dropped by the linker.
    add_compile_options($<$<CONFIG:Release>:-Os> -ffunction-sections -fdata-sections)
    add_link_options(-Wl,--gc-sections)
  endif()
endif()

if(HX_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# A library of window-free logic: it builds everywhere, natively too.
function(hx_logic_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()

# A library that talks to Win32: only in the Windows builds.
function(hx_win32_library name)
  if(WIN32)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  endif()
endfunction()

# A program that enters through wWinMain or wmain: mingw needs to be told, MSVC finds it.
function(hx_unicode_entry target)
  if(MINGW)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()
