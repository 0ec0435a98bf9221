# SPDX-License-Identifier: MIT
# Runs one case of tests/CMakeLists.txt, as CASE/CONFIG.cmake describes it, and checks Q4's
# whole transcript, each stream exactly, against the files under CASE/expected, and its exit
# status. Q4 runs here, or with a shell through check.sh, which leaves the streams that it
# captured under CASE/actual, as they are left here.   cmake -DCASE=DIR -DCONFIG=C -P run.cmake
cmake_minimum_required(VERSION 3.20)
include(${CASE}/${CONFIG}.cmake)
set(actual ${CASE}/actual)
file(REMOVE_RECURSE ${actual})
file(MAKE_DIRECTORY ${actual})
if(shell STREQUAL "")
  cmake_language(EVAL CODE "execute_process(COMMAND ${command} INPUT_FILE [==[${stdin}]==]
    OUTPUT_FILE [==[${stdout}]==] ERROR_FILE [==[${actual}/stderr]==]
    RESULT_VARIABLE got_status TIMEOUT 10)")
else()
  cmake_language(EVAL CODE "execute_process(COMMAND [==[${shell}]==]
    [==[${CMAKE_CURRENT_LIST_DIR}/check.sh]==] ${check_options} [==[${input}]==]
    [==[${CASE}]==] -- ${command} RESULT_VARIABLE result)")
  if(result EQUAL 77)
    return()
  elseif(NOT result EQUAL 0)
    message(FATAL_ERROR "check.sh failed: ${result}")
  endif()
  file(STRINGS ${actual}/status got_status)
endif()

# The report: each stream that differs, and the status; strace, where Q4 runs under it,
# names on standard error each path that it resolved.
set(report "")
foreach(stream IN ITEMS stdout stderr rest writes)
  if(EXISTS ${CASE}/expected/${stream})
    file(READ ${CASE}/expected/${stream} expected)
    set(got "")
    if(EXISTS ${actual}/${stream})
      file(READ ${actual}/${stream} got)
    endif()
    string(REGEX REPLACE "strace: Requested path [^\n]*\n" "" got "${got}")
    if(NOT got STREQUAL expected)
      string(APPEND report "${stream} differs:\n--- expected\n${expected}\n--- actual\n${got}\n")
    endif()
  endif()
endforeach()
if(NOT got_status STREQUAL status)
  string(APPEND report "exit status: expected ${status}, actual ${got_status}\n")
endif()
if(NOT report STREQUAL "")
  string(REPLACE "\r" "\\r" report "${report}")
  message("input, as printf %b reads it: ${input}\n${report}")
  message(FATAL_ERROR "The case failed.")
endif()
