# The Debian package: `cpack -G DEB` in the build tree (scripts/package).
execute_process(COMMAND date -u -R -d "${STERNWERK_RELEASE_DATE} 12:00"
  OUTPUT_VARIABLE STERNWERK_RELEASE_DATE_RFC OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(STERNWERK_MAINTAINER "Sternwerk-Entwickler <sternwerk@sternwerk.de>")

configure_file(changelog.in changelog @ONLY)
add_custom_command(
  OUTPUT changelog.gz
  COMMAND ${GZIP} -9n -c changelog > changelog.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
)
add_custom_target(debian_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${docs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sternwerk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${STERNWERK_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "planetarium clock with the Sun, Moon and planets")
# The lines after the summary; CPack indents them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Sternwerk shows the Sun, the Moon, the planets, the lunar node and the axes
of a place on the dial of a clock that runs in real time or faster, forwards
or backwards, all times in Universal Time. It finds rises, settings,
culminations, full and new moons, draws an enlarged chart and the view to
the south, and saves and prints them. The user interface is in English
and German.
.
The command-line tool sternwerk-sky gives the same positions and pictures
for scripts. The package installs the symbol font of the charts as a system
font, so that other programs show the signs of pasted and saved pictures.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # sternwerk_VERSION_ARCH.deb
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The charts name Arial, Times New Roman and Courier New; fontconfig puts
# the metric-compatible Liberation faces in their place.
# The precise mode reads the Swiss Ephemeris files (1800-2399); without
# them the library's analytical theory is used.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, swe-basic-data")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
include(CPack)
