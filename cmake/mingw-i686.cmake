# Shipping build: 32-bit Windows GUI program, cross-compiled with MinGW-w64 (win32 thread model,
# so the binary needs no threading DLL of its own).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELLUMIX_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
