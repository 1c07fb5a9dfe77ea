# The facts of the build that the programs need at run time: the version
# (from the project's version, its only source) and where the install tree
# keeps the programs' files, relative to the installed executables.
include(GNUInstallDirs)
set(STERNWERK_APP_ID de.sternwerk.Sternwerk)
set(STERNWERK_DATA_DIR ${CMAKE_INSTALL_DATADIR}/sternwerk)
set(STERNWERK_FONT_DIR ${CMAKE_INSTALL_DATADIR}/fonts/truetype/sternwerk)
file(RELATIVE_PATH STERNWERK_DATA_FROM_BIN
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${STERNWERK_DATA_DIR})
file(RELATIVE_PATH STERNWERK_FONT_FROM_BIN
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${STERNWERK_FONT_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/build_info.h.in
  ${PROJECT_BINARY_DIR}/generated/build_info.h @ONLY)
add_library(sternwerk_build_info INTERFACE)
target_include_directories(sternwerk_build_info INTERFACE ${PROJECT_BINARY_DIR}/generated)
