# Cross build for 64-bit Windows with Debian's mingw-w64, POSIX-threads variant:
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The programs link the compiler's run-time statically, so they start under Wine (and on a
# Windows machine) without libgcc, libstdc++ or winpthread DLLs beside them.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PICTAVUE_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PICTAVUE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PICTAVUE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PICTAVUE_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PICTAVUE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Tests and the programs they start run under Wine on the build machine.
find_program(PICTAVUE_WINE NAMES wine64 wine)
if(PICTAVUE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PICTAVUE_WINE})
endif()
