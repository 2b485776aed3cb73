# Shared by the MinGW toolchain files, which set KW_MINGW_TRIPLE first.
set(CMAKE_SYSTEM_NAME Windows)

# The POSIX-threads flavour, where installed, gives the full C++ thread library.
find_program(CMAKE_C_COMPILER NAMES ${KW_MINGW_TRIPLE}-gcc-posix ${KW_MINGW_TRIPLE}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KW_MINGW_TRIPLE}-g++-posix ${KW_MINGW_TRIPLE}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KW_MINGW_TRIPLE}-windres REQUIRED)

# Libraries and headers only from the target's tree; programs from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${KW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
