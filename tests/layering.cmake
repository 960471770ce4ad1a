# Keeps the layers' includes pointing one way: platform below the store and the special notes,
# those below the note window, and the note window below start-up (src/app). A folder may
# include from itself and from the folders it lists; code outside an OS folder never includes
# from one, so CMake's choice of folder stays the only switch between systems.
# Run as: cmake -DSOURCE_DIR=<repository> -P layering.cmake
set(allowed_platform platform)
set(allowed_store platform store)
set(allowed_special platform special)
set(allowed_note platform store special note)

set(faults "")
foreach(layer platform store special note)
    file(GLOB_RECURSE files "${SOURCE_DIR}/src/${layer}/*.h" "${SOURCE_DIR}/src/${layer}/*.cpp")
    foreach(file ${files})
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${file}")
        foreach(line ${includes})
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
            string(REGEX REPLACE "/.*$" "" folder "${included}")
            list(FIND allowed_${layer} "${folder}" at)
            if(at EQUAL -1)
                string(APPEND faults "  ${shown} includes \"${included}\"\n")
            endif()
            if(included MATCHES "^platform/(linux|win)/" AND NOT shown MATCHES "^src/platform/(linux|win)/")
                string(APPEND faults "  ${shown} includes \"${included}\" from an OS folder\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes against the direction of the layers:\n${faults}")
endif()
