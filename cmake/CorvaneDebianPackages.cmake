# The Debian packages CPack makes of the install components (`cpack -G DEB`, run by scripts/package): one
# package per component, each with its copyright and changelog, dependencies on other distribution
# packages found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "The Corvane developers <packages@corvane.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.corvane.org/)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL corvane corvane-comment libcorvane1 libcorvane-dev)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# corvane-comment needs libcorvane1 of this same build, which is in no installed package yet: dpkg-shlibdeps
# reads it from the build tree, and the dependency on its package is stated below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CORVANE_DEBIAN_VERSION ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})

# Component name, package section, then the synopsis and description.
function(corvane_debian_package component section synopsis description)
  string(TOUPPER ${component} key)
  set(CPACK_DEBIAN_${key}_PACKAGE_NAME ${component} PARENT_SCOPE)
  set(CPACK_DEBIAN_${key}_PACKAGE_SECTION ${section} PARENT_SCOPE)
  set(CPACK_COMPONENT_${key}_DESCRIPTION "${synopsis}\n${description}" PARENT_SCOPE)
  set(doc ${CMAKE_INSTALL_DATADIR}/doc/${component})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${doc} COMPONENT ${component})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz DESTINATION ${doc} COMPONENT ${component})
endfunction()

configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian @ONLY)
add_custom_command(
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz
  COMMAND ${CORVANE_GZIP} -9nkf ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian
  VERBATIM)
add_custom_target(corvane-debian-changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)

corvane_debian_package(corvane graphics
  "editor for the comments embedded in picture files"
  "Corvane shows a picture with the comment stored inside its file and
lets you edit and save that comment. It reads and writes JPEG, PNG, GIF,
BMP, TIFF, WebP, HEIF, AVIF and JPEG XL files, steps through the pictures of a folder, and copies,
renames or moves them to the trash. Saving never edits a picture in
place, so a crash never leaves half a picture behind.")
corvane_debian_package(corvane-comment graphics
  "read, set and erase the comments embedded in picture files"
  "corvane-comment is the command-line companion of the Corvane editor:
it reads, sets and erases the comment of JPEG, PNG, GIF, TIFF and BMP
files, one file or thousands at once, with the same crash-safe writes.")
corvane_debian_package(libcorvane1 libs
  "library for the comments embedded in picture files"
  "libcorvane reads, writes and erases the comment embedded in JPEG, PNG,
GIF, TIFF and BMP files through a plain C interface, usable from any
language. A file is rewritten beside the original and renamed over it,
so a crash leaves the old picture or the new one.
.
This package holds the shared library.")
corvane_debian_package(libcorvane-dev libdevel
  "library for the comments embedded in picture files - development files"
  "libcorvane reads, writes and erases the comment embedded in JPEG, PNG,
GIF, TIFF and BMP files through a plain C interface, usable from any
language.
.
This package holds the header, the pkg-config file and the CMake
package: find_package(corvane) gives the target corvane::corvane.")

# Packages of this build that the others need. The editor loads the library at run time, so no tool can
# find that dependency in its executable.
set(CPACK_COMPONENT_CORVANE_DEPENDS libcorvane1)
set(CPACK_COMPONENT_CORVANE-COMMENT_DEPENDS libcorvane1)
set(CPACK_COMPONENT_LIBCORVANE-DEV_DEPENDS libcorvane1)
# Toolkit plugins, likewise loaded at run time: drawing on the desktop's display, and reading TIFF pictures.
set(CPACK_DEBIAN_CORVANE_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins")
# GNOME and KDE start Wayland sessions: with the toolkit's Wayland plugin the editor runs there natively
# rather than through the X server's compatibility layer.
set(CPACK_DEBIAN_CORVANE_PACKAGE_RECOMMENDS "qt6-wayland")
# The library's shlibs file lets programs packaged elsewhere depend on it; its trigger refreshes the
# loader's cache. (CPack also writes maintainer scripts that call ldconfig for any library under /usr/lib.)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_LIBCORVANE1_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/libcorvane1/triggers)

include(CPack)
