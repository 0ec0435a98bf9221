# SPDX-License-Identifier: MIT
# Writes the texts that go beside Q4.exe, with Windows' CR LF line ends: README.txt from
# windows/README.txt, LICENSE.txt from LICENSE, and, where GROFF names groff, Q4.txt: the
# note in windows/manual-note.txt on reading it on Windows, then the manual page Q4.1
# rendered as plain ASCII. SOURCE_DIR is the repository.
file(READ ${SOURCE_DIR}/windows/README.txt README)
file(READ ${SOURCE_DIR}/LICENSE LICENSE)
set(texts README LICENSE)
if(GROFF)
  file(READ ${SOURCE_DIR}/windows/manual-note.txt Q4)
  execute_process(COMMAND ${GROFF} -man -Tascii -P-cbou Q4.1 OUTPUT_VARIABLE manual
    COMMAND_ERROR_IS_FATAL ANY)
  # Runs of empty lines are squeezed to one, as man shows the page.
  string(REGEX REPLACE "\n\n\n+" "\n\n" manual "${manual}")
  string(APPEND Q4 "${manual}")
  list(APPEND texts Q4)
else()
  # Without the manual, the lines of README.txt that name it are left out.
  string(REGEX REPLACE "[^\n]*Q4\\.txt[^\n]*\n" "" README "${README}")
endif()
foreach(text IN LISTS texts)
  string(REPLACE "\n" "\r\n" crlf "${${text}}")
  file(WRITE ${text}.txt "${crlf}")
endforeach()
