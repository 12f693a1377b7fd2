# Cross build for 64-bit Windows with clang and lld over the MinGW-w64 headers
# and libraries (build-only check: the shipped program is built with gcc).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CLANG_TARGET x86_64-w64-windows-gnu)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET ${CLANG_TARGET})
set(CMAKE_CXX_COMPILER_TARGET ${CLANG_TARGET})
set(CMAKE_RC_COMPILER llvm-windres-14)
set(CMAKE_AR llvm-ar-14 CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB llvm-ranlib-14 CACHE FILEPATH "Ranlib")

# clang finds the mingw-w64 headers and libraries itself, but not gcc's C++
# library and runtime: take those from the posix-thread gcc.
set(MINGW_GCC_DIR /usr/lib/gcc/${TOOLCHAIN_PREFIX}/12-posix)
set(CMAKE_CXX_FLAGS_INIT
  "-isystem ${MINGW_GCC_DIR}/include/c++ -isystem ${MINGW_GCC_DIR}/include/c++/${TOOLCHAIN_PREFIX} -isystem ${MINGW_GCC_DIR}/include/c++/backward")
# Without -fuse-ld=lld clang calls the host's ld. A static link needs
# winpthreads named (lld reads archives in any order).
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -L${MINGW_GCC_DIR} -lpthread")
endforeach()
set(CMAKE_RC_FLAGS_INIT "--target=${TOOLCHAIN_PREFIX} -I/usr/${TOOLCHAIN_PREFIX}/include")

