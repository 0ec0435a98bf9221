# SPDX-License-Identifier: MIT
# Runs one case that tests/CMakeLists.txt wrote under CASE, and compares each file of
# CASE/expected exactly with the one the run leaves under CASE/actual: Q4's standard output
# (or a pattern that it matches) and error, its status, and what the options ask for.
# COMMAND runs Q4, with the arguments in CASE/args, one a line: here, on files, or through
# check.sh for the options that need a shell. A case with a reason in SKIP is skipped.
#   cmake -DCASE=DIR -DOPTIONS=--OPTION;... -DCOMMAND=WORD;... -DSKIP=REASON -P run.cmake
cmake_minimum_required(VERSION 3.20)
set(actual "${CASE}/actual")
file(REMOVE_RECURSE "${actual}")
# Each file that the run may leave starts empty, so that one it does not write reads so.
file(MAKE_DIRECTORY "${actual}")
file(TOUCH "${actual}/stdout" "${actual}/stderr" "${actual}/status" "${actual}/rest" "${actual}/line-writes")
file(READ "${CASE}/args" args)
set(stdin "${CASE}/input")
set(stdout "${actual}/stdout")
foreach(option IN LISTS OPTIONS)
  if(option MATCHES "^--std(in|out)=(.*)")
    set(std${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    if(NOT EXISTS "${CMAKE_MATCH_2}")
      set(SKIP "this system has no ${CMAKE_MATCH_2}")
    endif()
  else()
    set(shell ON)
  endif()
endforeach()
find_program(BASH bash)
if(shell AND (CMAKE_HOST_WIN32 OR NOT BASH))
  set(SKIP "check.sh needs bash on a POSIX system")
endif()
if(SKIP)
  message("skipped: ${SKIP}")
  return()
endif()

if(shell)
  execute_process(COMMAND "${BASH}" "${CMAKE_CURRENT_LIST_DIR}/check.sh" ${OPTIONS} "${CASE}"
    ${COMMAND} RESULT_VARIABLE result)
  if(result EQUAL 77)
    return()
  endif()
else()
  # Each word in brackets of its own, as execute_process would drop an empty word of a list,
  # and an argument may be empty.
  list(JOIN COMMAND "\n" words)
  string(REGEX REPLACE "([^\n]*)\n" "[==[\\1]==] " words "${words}\n${args}")
  cmake_language(EVAL CODE "execute_process(COMMAND ${words} INPUT_FILE \"\${stdin}\" OUTPUT_FILE
    \"\${stdout}\" ERROR_FILE \"\${actual}/stderr\" RESULT_VARIABLE status TIMEOUT 10)")
  file(WRITE "${actual}/status" "${status}")
endif()

# The report: each file that differs, at its first line that differs, line end shown;
# strace, where Q4 runs under it, names on standard error each path that it resolved.
file(GLOB files RELATIVE "${CASE}/expected" "${CASE}/expected/*")
foreach(file IN LISTS files)
  file(READ "${CASE}/expected/${file}" expected)
  string(REPLACE pattern stdout stream ${file})
  file(READ "${actual}/${stream}" got)
  string(REGEX REPLACE "strace: Requested path [^\n]*\n" "" got "${got}")
  if(file STREQUAL "pattern")
    if(NOT got MATCHES "${expected}")
      string(APPEND report "stdout does not match:\n${expected}\n--- actual\n${got}\n")
    endif()
  elseif(NOT got STREQUAL expected)
    foreach(line RANGE 1 100000)
      string(REGEX MATCH "^[^\n]*\n?" want "${expected}")
      string(REGEX MATCH "^[^\n]*\n?" have "${got}")
      if(NOT want STREQUAL have)
        string(REPLACE "\n" "\\n" shown "'${want}' expected, '${have}' found")
        string(APPEND report "${file} differs at line ${line}: ${shown}\n")
        break()
      endif()
      string(LENGTH "${want}" length)
      string(SUBSTRING "${expected}" ${length} -1 expected)
      string(SUBSTRING "${got}" ${length} -1 got)
    endforeach()
  endif()
endforeach()
if(report)
  file(READ "${CASE}/input" input)
  string(REPLACE "\r" "\\r" report
    "options: ${OPTIONS}\narguments, one a line:\n${args}input: ${input}\n${report}")
  message("${report}")
  message(FATAL_ERROR "The case failed.")
endif()
