# Installation (cmake --install) and the Debian package (cpack -G DEB).
#
# The viewer opens "paper.pdf" from the folder its executable lies in, so the
# executable and the paper share a private folder, libexec/orbica, and
# bin/orbica is a symbolic link to it (the running program resolves its own path
# through the link).
if(ORBICA_ENGINE_ONLY)
  return()  # the sanitizer builds install nothing
endif()
include(GNUInstallDirs)

set(ORBICA_PRIVATE_DIR ${CMAKE_INSTALL_LIBEXECDIR}/orbica)
set(ORBICA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orbica)

install(TARGETS orbica RUNTIME DESTINATION ${ORBICA_PRIVATE_DIR})
install(FILES ${CMAKE_BINARY_DIR}/src/app/paper.pdf DESTINATION ${ORBICA_PRIVATE_DIR})
file(RELATIVE_PATH orbica_link_target /${CMAKE_INSTALL_BINDIR} /${ORBICA_PRIVATE_DIR}/orbica)
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/orbica\")
  get_filename_component(folder \"\${link}\" DIRECTORY)
  file(MAKE_DIRECTORY \"\${folder}\")
  message(STATUS \"Installing: \${link} -> ${orbica_link_target}\")
  file(CREATE_LINK \"${orbica_link_target}\" \"\${link}\" SYMBOLIC)
")
install(TARGETS orbica-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/res/orbica.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/orbica.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
# The help is built into the program; the same pages are installed for reading
# without it.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/help/ DESTINATION ${ORBICA_DOC_DIR}/help FILES_MATCHING PATTERN "*.html" PATTERN "*.css")
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${ORBICA_DOC_DIR})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbica)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orbica")
set(ORBICA_PACKAGE_MAINTAINER "Orbica developers" CACHE STRING "Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT "${ORBICA_PACKAGE_MAINTAINER}")
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
