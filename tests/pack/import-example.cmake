# Imports QUIZ with the package tool TOOL into OUT, emptied first; fails when the import does.
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${TOOL}" import gift "${QUIZ}" "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "orlavine-pack import gift ${QUIZ} ${OUT} failed: ${status}")
endif()
