# Run by CPack on the files staged for the Debian package, before it packs them
# (CPACK_PRE_BUILD_SCRIPTS): what Debian asks of a package but not of an install
# into a home folder.
# - The program lies where Debian puts games, /usr/games (on the PATH Debian
#   gives every user, so the desktop entry's "Exec=plimso" finds it).
# - It is stripped as dh_strip strips, without the compiler's .comment notes.
# - The manual page and the changelog are compressed with gzip -9n (no name,
#   no time stamp), the licence is in the machine-readable copyright file.
# - Modes are the usual ones whatever the umask, and with SOURCE_DATE_EPOCH set
#   every file carries that time, so that the package does not depend on when
#   or by whom it was built.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${usr}/share/doc/plimso)

function(gzip_into from to)
  execute_process(COMMAND gzip -9n -c ${from} OUTPUT_FILE ${to} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

file(MAKE_DIRECTORY ${usr}/games)
file(RENAME ${usr}/bin/plimso ${usr}/games/plimso)
execute_process(COMMAND rmdir ${usr}/bin COMMAND_ERROR_IS_FATAL ANY) # nothing else lies there
execute_process(COMMAND ${CPACK_PLIMSO_STRIP} --remove-section=.comment --remove-section=.note
                        ${usr}/games/plimso COMMAND_ERROR_IS_FATAL ANY)

gzip_into(${usr}/share/man/man6/plimso.6 ${usr}/share/man/man6/plimso.6.gz)
file(REMOVE ${usr}/share/man/man6/plimso.6)
gzip_into(${CPACK_PLIMSO_PACKAGE_FILES}/changelog ${doc}/changelog.gz)
file(COPY_FILE ${CPACK_PLIMSO_PACKAGE_FILES}/copyright ${doc}/copyright)
file(REMOVE ${doc}/LICENSE)

file(CHMOD_RECURSE ${CPACK_TEMPORARY_INSTALL_DIRECTORY}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                           WORLD_READ WORLD_EXECUTE)
file(CHMOD ${usr}/games/plimso PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                           GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND find ${CPACK_TEMPORARY_INSTALL_DIRECTORY} -exec
                          touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH} {} +
                  COMMAND_ERROR_IS_FATAL ANY)
endif()
