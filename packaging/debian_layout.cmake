# Run by CPack on the staged tree before it is packed: the layout Debian gives a game.
# The programs move to /usr/games (they find their data in ../share/lumeta either way),
# and the manual pages and the changelog are compressed as Debian's tools do (gzip -9n:
# best compression, no name or time stamp, so the same tree packs to the same bytes).
set(usr ${CPACK_TEMPORARY_DIRECTORY}/usr)
if(NOT IS_DIRECTORY ${usr}/bin)
    message(FATAL_ERROR "no staged programs in ${usr}/bin")
endif()
file(GLOB programs ${usr}/bin/*)
file(MAKE_DIRECTORY ${usr}/games)
foreach(program ${programs})
    get_filename_component(name ${program} NAME)
    file(RENAME ${program} ${usr}/games/${name})
endforeach()
file(REMOVE_RECURSE ${usr}/bin)

file(COPY_FILE ${CPACK_LUMETA_CHANGELOG} ${usr}/share/doc/lumeta/changelog)
file(GLOB pages ${usr}/share/man/man6/*.6)
foreach(file ${pages} ${usr}/share/doc/lumeta/changelog)
    execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip -9n ${file} failed")
    endif()
endforeach()
