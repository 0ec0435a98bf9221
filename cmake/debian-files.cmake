# SPDX-License-Identifier: MIT
# Run by CPack in the Debian package's staging directory before it packs: strips Q4 as
# Debian's dh_strip does, its symbols and its .comment and .note sections, and compresses
# the manual page and the changelog as dh_compress does, with gzip -9n: no name or time
# inside, so that two builds agree.
set(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
execute_process(COMMAND ${CPACK_Q4_STRIP} --remove-section=.comment --remove-section=.note
  ${root}/bin/Q4 COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND gzip -9n ${root}/share/man/man1/Q4.1 ${root}/share/doc/q4/changelog
  COMMAND_ERROR_IS_FATAL ANY)
