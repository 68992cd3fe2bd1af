# Installation (cmake --install) and the Debian package (cpack -G DEB).
#
# Layout under the prefix: the two programs in bin/; the methodology note, the
# help pages and the read-only sample census in share/orbica/ (the program
# looks there, relative to its own folder, and beside itself in the build
# tree); the desktop entry, icon, AppStream metainfo and manual pages where
# the desktop and man look for them; the licence, copyright and changelog in
# share/doc/orbica/.
if(ORBICA_ENGINE_ONLY)
  return()  # the sanitizer builds install nothing
endif()
include(GNUInstallDirs)

set(ORBICA_SHARE_DIR ${CMAKE_INSTALL_DATAROOTDIR}/orbica)
set(ORBICA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orbica)
set(ORBICA_MAINTAINER "Orbica maintainers <maintainers@orbica.invalid>"
    CACHE STRING "Maintainer of the Debian package and its changelog, as Name <address>")
if(NOT ORBICA_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR "ORBICA_MAINTAINER \"${ORBICA_MAINTAINER}\" is not of the form Name <address>")
endif()

install(TARGETS orbica orbica-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_BINARY_DIR}/src/app/paper.pdf DESTINATION ${ORBICA_SHARE_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/src/app/sample/ DESTINATION ${ORBICA_SHARE_DIR}/sample)
# The help is built into the program; the same pages are installed for reading
# without it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/help/ DESTINATION ${ORBICA_SHARE_DIR}/help
        FILES_MATCHING PATTERN "*.html" PATTERN "*.css")

install(FILES ${PROJECT_SOURCE_DIR}/res/orbica.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/orbica.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
configure_file(${PROJECT_SOURCE_DIR}/res/invalid.orbica.Orbica.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/package/invalid.orbica.Orbica.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/package/invalid.orbica.Orbica.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# Manual pages and the changelog are installed compressed, as Debian wants
# them (gzip -n keeps the files byte-identical between builds).
find_program(ORBICA_GZIP gzip REQUIRED)
set(compressed)
foreach(page orbica.1 orbica-cli.1)
  configure_file(${PROJECT_SOURCE_DIR}/res/man/${page}.in ${CMAKE_BINARY_DIR}/package/${page} @ONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/res/debian/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
foreach(file orbica.1 orbica-cli.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/${file}.gz
    COMMAND ${ORBICA_GZIP} -9nkf ${CMAKE_BINARY_DIR}/package/${file}
    DEPENDS ${CMAKE_BINARY_DIR}/package/${file} VERBATIM)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/package/${file}.gz)
endforeach()
add_custom_target(orbica_package_files ALL DEPENDS ${compressed})
install(FILES ${CMAKE_BINARY_DIR}/package/orbica.1.gz ${CMAKE_BINARY_DIR}/package/orbica-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/res/debian/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
              ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${ORBICA_DOC_DIR})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbica)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orbica maintainers")
set(CPACK_PACKAGE_CONTACT "${ORBICA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORBICA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for population census results from a mixture model")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orbica shows population census results computed on demand from a
probabilistic model of the census answers: answer distributions of
subpopulations with their errors against the observed counts, estimated
sizes, cross tables and a ranked search for the conditions on which a
chosen criterion is largest. orbica-cli answers the same questions from
scripts, checks census files and writes a sample census.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt 6 libraries (and with them the platform and SVG plugins of their
# packages) come from dpkg-shlibdeps; the paper is opened through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
