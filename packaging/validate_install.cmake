# Installs the build into PREFIX and runs the validators on what landed there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

foreach(file bin/lumeta bin/lumeta-tools share/lumeta/puzzles.txt share/lumeta/lumeta.htm
        share/lumeta/easy.txt share/lumeta/medium.txt share/lumeta/hard.txt share/lumeta/expert.txt
        share/lumeta/puzzles10.txt share/lumeta/puzzles14.txt share/lumeta/puzzles19.txt
        share/icons/hicolor/scalable/apps/${APP_ID}.svg
        share/icons/hicolor/48x48/apps/${APP_ID}.png
        share/icons/hicolor/256x256/apps/${APP_ID}.png
        share/man/man6/lumeta.6 share/man/man6/lumeta-tools.6)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()

function(validate)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE failed OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(failed)
        message(SEND_ERROR "${ARGN}:\n${said}")
    endif()
endfunction()
validate(desktop-file-validate ${PREFIX}/share/applications/${APP_ID}.desktop)
validate(appstreamcli validate --no-net --explain ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
