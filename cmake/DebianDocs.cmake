# The documents a Debian package must carry, made at build time from their sources in the
# repository: the copyright file from LICENSE, and the changelog and the manual page gzipped
# reproducibly (-n keeps the file name and time stamp out, so equal sources give equal bytes).
#
# Included by Install.cmake, which sets TORVANE_PACKAGING_DIR and the CPack contact and homepage
# first. Sets TORVANE_COPYRIGHT_FILE, TORVANE_CHANGELOG_GZ and TORVANE_MAN_PAGE_GZ, made by the
# target torvane-debian-docs.

find_program(TORVANE_GZIP gzip REQUIRED)
set(TORVANE_DEBIAN_DOCS_DIR ${PROJECT_BINARY_DIR}/debian-docs)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/LICENSE ${TORVANE_PACKAGING_DIR}/changelog)

# The package takes its version from the project; the changelog's newest entry must be that
# release, or the package would ship notes of another one.
file(STRINGS ${TORVANE_PACKAGING_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^torvane-database \\(([^)]+)\\) ")
  message(FATAL_ERROR "packaging/changelog: the first line is not a Debian changelog entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: the newest entry is ${CMAKE_MATCH_1}, the project "
    "is ${PROJECT_VERSION}; add an entry for ${PROJECT_VERSION}")
endif()

# The copyright file: LICENSE's copyright holder and licence text in Debian's machine-readable
# format, where the text is indented by a space and a blank line is written " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license_text)
if(NOT license_text MATCHES "Copyright \\(c\\) ([^\n]+)\n\n")
  message(FATAL_ERROR "LICENSE: no \"Copyright (c) YEAR HOLDER\" line and blank line")
endif()
set(TORVANE_COPYRIGHT ${CMAKE_MATCH_1})
string(FIND "${license_text}" "${CMAKE_MATCH_0}" license_start)
string(LENGTH "${CMAKE_MATCH_0}" copyright_length)
math(EXPR license_start "${license_start} + ${copyright_length}")
string(SUBSTRING "${license_text}" ${license_start} -1 license_body)
string(STRIP "${license_body}" license_body)
string(REPLACE "\n\n" "\n.\n" license_body "${license_body}")
string(REPLACE "\n" "\n " license_body "${license_body}")
set(TORVANE_LICENSE_TEXT " ${license_body}")
set(TORVANE_COPYRIGHT_FILE ${TORVANE_DEBIAN_DOCS_DIR}/copyright)
configure_file(${TORVANE_PACKAGING_DIR}/copyright.in ${TORVANE_COPYRIGHT_FILE} @ONLY)

# Copied first, then compressed in place: gzip writes no output file name of its own choosing.
function(torvane_gzip_file source output)
  get_filename_component(copy ${output} NAME_WLE)
  set(copy ${TORVANE_DEBIAN_DOCS_DIR}/${copy})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${TORVANE_GZIP} -9nf ${copy}
    DEPENDS ${source}
    COMMENT "Compressing ${source}"
    VERBATIM)
endfunction()

set(TORVANE_CHANGELOG_GZ ${TORVANE_DEBIAN_DOCS_DIR}/changelog.gz)
set(TORVANE_MAN_PAGE_GZ ${TORVANE_DEBIAN_DOCS_DIR}/torvane-database.1.gz)
torvane_gzip_file(${TORVANE_PACKAGING_DIR}/changelog ${TORVANE_CHANGELOG_GZ})
torvane_gzip_file(${TORVANE_PACKAGING_DIR}/torvane-database.1 ${TORVANE_MAN_PAGE_GZ})
add_custom_target(torvane-debian-docs ALL DEPENDS ${TORVANE_CHANGELOG_GZ} ${TORVANE_MAN_PAGE_GZ})
