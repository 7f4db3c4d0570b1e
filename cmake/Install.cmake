# Installation as a Linux desktop program, and the Debian package built from it with CPack.
#
#   cmake --install build --prefix /usr      the program, launcher entry, icons, metainfo, MIME
#                                            type, manual page, copyright file and changelog
#   cpack -G DEB --config build/CPackConfig.cmake
#
# Included at the end of the top-level CMakeLists.txt; without the window there is nothing to
# install, so the whole file does nothing then.
if(NOT TARGET torvane-database OR NOT TARGET torvane_ui)
  return()
endif()

include(GNUInstallDirs)
find_package(Qt6 REQUIRED COMPONENTS Widgets)

# One name for the launcher entry, the icon and the metainfo, as freedesktop.org's conventions ask.
set(TORVANE_APP_ID org.torvane.Database)
set(TORVANE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# The launcher icons come from the same drawing code as the window icon, rendered at build time.
add_executable(torvane-render-icons ${TORVANE_PACKAGING_DIR}/render_icons.cpp)
target_link_libraries(torvane-render-icons PRIVATE torvane_ui Qt6::Widgets)

set(TORVANE_ICON_DIR ${PROJECT_BINARY_DIR}/icons/hicolor)
set(TORVANE_ICON_FILES)
foreach(size 16 32 48 256)
  list(APPEND TORVANE_ICON_FILES ${TORVANE_ICON_DIR}/${size}x${size}/apps/${TORVANE_APP_ID}.png)
endforeach()
# Leak checking is off for the tool: a sanitizer build must not fail on Qt's start-up allocations.
add_custom_command(
  OUTPUT ${TORVANE_ICON_FILES}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:torvane-render-icons> ${TORVANE_ICON_DIR} ${TORVANE_APP_ID}
  DEPENDS torvane-render-icons
  COMMENT "Rendering the hicolor icons"
  VERBATIM)
add_custom_target(torvane-icons ALL DEPENDS ${TORVANE_ICON_FILES})

# The metainfo's release takes the project's version, as the package and the window's title do.
set(TORVANE_METAINFO ${PROJECT_BINARY_DIR}/packaging/${TORVANE_APP_ID}.metainfo.xml)
configure_file(${TORVANE_PACKAGING_DIR}/${TORVANE_APP_ID}.metainfo.xml.in ${TORVANE_METAINFO}
  @ONLY)

# Who makes the package; the copyright file and the changelog name them too.
set(CPACK_PACKAGE_NAME torvane-database)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Torvane Database developers")
set(CPACK_PACKAGE_CONTACT "The Torvane Database developers <torvane-database@torvane.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://git.torvane.org/torvane-database")
include(${CMAKE_CURRENT_LIST_DIR}/DebianDocs.cmake)

# Debian links its programs with full RELRO (-z now), so the relocated tables are read-only.
# Its other hardening flag that lintian still misses, -D_FORTIFY_SOURCE=2 (the info tag
# hardening-no-fortify-functions), is a compile flag of every library linked in, so it belongs
# with the project's compile options, not here where those libraries are already defined.
target_link_options(torvane-database PRIVATE LINKER:-z,relro LINKER:-z,now)

# Everything the package holds is in one component, so install rules that other parts of the
# build may add (libraries, test helpers) never end up in the .deb.
set(TORVANE_COMPONENT desktop)
install(TARGETS torvane-database
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${TORVANE_COMPONENT})
# A stripping install (CPack's) runs plain strip, which keeps the compiler's .comment; Debian's
# own packages have it and .note taken out too.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/torvane-database\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()" COMPONENT ${TORVANE_COMPONENT})
install(FILES ${TORVANE_PACKAGING_DIR}/${TORVANE_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${TORVANE_COMPONENT})
install(FILES ${TORVANE_METAINFO}
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${TORVANE_COMPONENT})
# The MIME type of archive.dat, which the launcher entry's MimeType names. Debian's
# shared-mime-info rebuilds its database through a trigger on this folder: no scripts needed.
install(FILES ${TORVANE_PACKAGING_DIR}/${TORVANE_APP_ID}.mime.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${TORVANE_APP_ID}.xml
  COMPONENT ${TORVANE_COMPONENT})
install(DIRECTORY ${TORVANE_ICON_DIR}/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor COMPONENT ${TORVANE_COMPONENT})
install(FILES ${TORVANE_MAN_PAGE_GZ}
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${TORVANE_COMPONENT})
# Debian keeps a package's documents under the package's own name.
set(TORVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/torvane-database)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${TORVANE_COPYRIGHT_FILE} ${TORVANE_CHANGELOG_GZ}
  DESTINATION ${TORVANE_DOC_DIR} COMPONENT ${TORVANE_COMPONENT})
if(EXISTS ${PROJECT_SOURCE_DIR}/examples/archive.dat)
  install(FILES ${PROJECT_SOURCE_DIR}/examples/archive.dat
    DESTINATION ${TORVANE_DOC_DIR}/examples COMPONENT ${TORVANE_COMPONENT})
endif()

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browser for the item catalogue of a fantasy role-playing game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Torvane Database reads a catalogue of weapons, armour, robes, jewels, bows,\n"
  "arrows, abilities and spells from a text file (archive.dat in the current\n"
  "directory, or a file named on the command line, opened from the window or\n"
  "dropped on it) and shows it in six tabbed lists, with filters on seven\n"
  "statistics, search by name and three sort orders. The user interface is in\n"
  "Italian. torvane-database --check FILE reports the lines of a catalogue file\n"
  "that the program rejects or finds suspicious.")
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};${TORVANE_COMPONENT};/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A companion to a game, not a game: Debian's games section is for games, installed under
# /usr/games with their manual pages in section 6. "misc" holds desktop programs that fit no
# other section ("utils" is for system utilities).
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out the Qt and C++ runtime packages from the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
