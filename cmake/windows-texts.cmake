# SPDX-License-Identifier: MIT
# Writes the texts that go beside Q4.exe, with Windows' CR LF line ends: README.txt and
# LICENSE.txt from the files of SOURCE_DIR, and, where GROFF names groff, Q4.txt, the manual
# page Q4.1 rendered as plain ASCII.
file(READ ${SOURCE_DIR}/README.md README)
file(READ ${SOURCE_DIR}/LICENSE LICENSE)
set(texts README LICENSE)
if(GROFF)
  execute_process(COMMAND ${GROFF} -man -Tascii -P-cbou Q4.1 OUTPUT_VARIABLE Q4
    COMMAND_ERROR_IS_FATAL ANY)
  # Runs of empty lines are squeezed to one, as man shows the page.
  string(REGEX REPLACE "\n\n\n+" "\n\n" Q4 "${Q4}")
  list(APPEND texts Q4)
endif()
foreach(text IN LISTS texts)
  string(REPLACE "\n" "\r\n" crlf "${${text}}")
  file(WRITE ${text}.txt "${crlf}")
endforeach()
