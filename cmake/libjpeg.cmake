# libjpeg (libjpeg-turbo's libjpeg API), cross-built static with the same
# toolchain, from the source that scripts/setup.sh puts in third_party/.
include(ExternalProject)

set(LIBJPEG_SOURCE_DIR ${CMAKE_SOURCE_DIR}/third_party/libjpeg-turbo)
if(NOT EXISTS ${LIBJPEG_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "libjpeg-turbo source not found in ${LIBJPEG_SOURCE_DIR}: run scripts/setup.sh first")
endif()

set(LIBJPEG_PREFIX ${CMAKE_BINARY_DIR}/jpeg-install)
set(LIBJPEG_LIBRARY ${LIBJPEG_PREFIX}/lib/${CMAKE_STATIC_LIBRARY_PREFIX}jpeg${CMAKE_STATIC_LIBRARY_SUFFIX})

ExternalProject_Add(libjpeg_external
  SOURCE_DIR ${LIBJPEG_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/jpeg-build
  INSTALL_DIR ${LIBJPEG_PREFIX}
  CMAKE_ARGS
    -Wno-dev
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    # Without an explicit prefix the Windows default (c:/...) breaks configure.
    -DCMAKE_INSTALL_PREFIX=${LIBJPEG_PREFIX}
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_TURBOJPEG=OFF
    -DWITH_SIMD=ON
  # Only the library: the tools and tests of libjpeg-turbo are not needed here.
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/lib <INSTALL_DIR>/include
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/${CMAKE_STATIC_LIBRARY_PREFIX}jpeg${CMAKE_STATIC_LIBRARY_SUFFIX} <INSTALL_DIR>/lib/
    COMMAND ${CMAKE_COMMAND} -E copy <SOURCE_DIR>/jpeglib.h <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h
      <BINARY_DIR>/jconfig.h <INSTALL_DIR>/include/
  BUILD_BYPRODUCTS ${LIBJPEG_LIBRARY}
)

# The include directory must exist when the imported target is defined.
file(MAKE_DIRECTORY ${LIBJPEG_PREFIX}/include)

add_library(jpeg STATIC IMPORTED GLOBAL)
set_target_properties(jpeg PROPERTIES
  IMPORTED_LOCATION ${LIBJPEG_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${LIBJPEG_PREFIX}/include)
add_dependencies(jpeg libjpeg_external)
