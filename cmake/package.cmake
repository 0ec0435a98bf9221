# SPDX-License-Identifier: MIT
# What Q4 installs, and how `cpack` packs it: a Debian package laid out as Debian's
# policy asks, or for Windows a zip of Q4.exe and texts that Windows opens.

set(CPACK_PACKAGE_NAME Q4)
set(CPACK_PACKAGE_VENDOR "the Q4 authors")
set(CPACK_PACKAGE_CONTACT "Q4 maintainers <maintainers@users.noreply.c-seed-bbc444d0.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "union of two lists of integers, as built and sorted")
set(CPACK_PACKAGE_DESCRIPTION [[
Q4 reads two lists of integers on standard input, ten values and then
five, and prints their union twice: first in the order it was built, then
sorted in ascending order. The union is the first list as entered,
followed by each value of the second list that the first lacks.

A bad or missing value, a read error and a write error each end the run
with one line on standard error and a non-zero exit status.]])

if(WIN32)
  # Beside Q4.exe, each with CR LF line ends: a README.txt written for Windows, LICENSE.txt,
  # and, where groff is found, the manual rendered as plain text, Q4.txt.
  find_program(GROFF groff)
  set(texts ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
  if(GROFF)
    list(APPEND texts ${CMAKE_CURRENT_BINARY_DIR}/Q4.txt)
  else()
    message(STATUS "Left out of the Windows zip, as groff is not found: Q4.txt, the manual")
  endif()
  add_custom_command(OUTPUT ${texts}
    COMMAND ${CMAKE_COMMAND} -DGROFF=${GROFF} -DSOURCE_DIR=${CMAKE_CURRENT_SOURCE_DIR}
      -P ${CMAKE_CURRENT_SOURCE_DIR}/cmake/windows-texts.cmake
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/Q4.1 windows/README.txt windows/manual-note.txt
      LICENSE cmake/windows-texts.cmake)
  add_custom_target(texts ALL DEPENDS ${texts})
  install(TARGETS Q4 DESTINATION .)
  install(FILES ${texts} DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME Q4-${PROJECT_VERSION}-windows-x86_64)
  set(CPACK_STRIP_FILES ON)
  return()
endif()

# Debian's changelog, made from NEWS: one entry a release, each paragraph an item, the
# headings left out; a release's date and time, kept in NEWS in the form that Debian's
# changelog takes, end its entry.
file(STRINGS NEWS news)
set(changelog "")
set(item "")
set(date "")
macro(end_item)
  if(NOT item STREQUAL "")
    string(APPEND changelog "${item}\n\n")
    set(item "")
  endif()
endmacro()
macro(end_entry)
  end_item()
  if(NOT date STREQUAL "")
    string(APPEND changelog " -- ${CPACK_PACKAGE_CONTACT}  ${date}\n\n")
  endif()
endmacro()
foreach(line IN LISTS news)
  if(line MATCHES "^\\* Noteworthy changes in release ([^ ]+) \\((.+)\\)$")
    end_entry()
    string(APPEND changelog "q4 (${CMAKE_MATCH_1}) unstable; urgency=medium\n\n")
    set(date ${CMAKE_MATCH_2})
  elseif(line MATCHES "^  +(.*)" AND item STREQUAL "")
    set(item "  * ${CMAKE_MATCH_1}")
  elseif(line MATCHES "^  +(.*)")
    string(APPEND item "\n    ${CMAKE_MATCH_1}")
  else()
    end_item()
  endif()
endforeach()
end_entry()
string(STRIP "${changelog}" changelog)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/changelog "${changelog}\n")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS NEWS LICENSE)

# Debian's machine-readable copyright file, made from LICENSE.
file(READ LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${license}")
set(holder ${CMAKE_MATCH_1})
string(REGEX REPLACE "^.*\n\n(Permission)" "\\1" license "${license}")
string(STRIP "${license}" license)
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Q4\n\nFiles: *\nCopyright: ${holder}\nLicense: Expat\n ${license}\n")

install(TARGETS Q4)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/Q4.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Strips and compresses in the staging directory, as Debian's helpers do.
set(CPACK_Q4_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/debian-files.cmake)
