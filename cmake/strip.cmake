# SPDX-License-Identifier: MIT
# Run by CPack before it packs: strips Q4 in the staging directory as Debian's dh_strip
# does, its symbols and its .comment and .note sections.
execute_process(COMMAND ${CPACK_Q4_STRIP} --remove-section=.comment --remove-section=.note
  ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/Q4
  COMMAND_ERROR_IS_FATAL ANY)
