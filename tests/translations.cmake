# Every text of the program has its German translation, and the translation has no text that the
# program no longer shows: lupdate, run over the sources into a copy of translations/pinleaf_de.ts,
# marks a text without a translation "unfinished" and one the sources lost "vanished".
set(copy ${WORK_DIR}/pinleaf_de_check.ts)
file(COPY_FILE ${SOURCE_DIR}/translations/pinleaf_de.ts ${copy})
execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCE_DIR}/src -ts ${copy}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${out}")
endif()
file(READ ${copy} ts)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(unfinished|vanished|obsolete)\""
    faults "${ts}")
if(faults)
    string(REPLACE ";" "\n" faults "${faults}")
    message(FATAL_ERROR "translations/pinleaf_de.ts is not complete:\n${faults}")
endif()
