# Imports QUIZ (FORMAT gift or aiken) with the package tool TOOL into the source folder OUT,
# emptied first, then builds that source into OUT-package and checks it: fails when any of
# the three does.
file(REMOVE_RECURSE "${OUT}" "${OUT}-package")
foreach(step "import;${FORMAT};${QUIZ};${OUT}" "build;${OUT};${OUT}-package" "check;${OUT}-package")
    execute_process(COMMAND "${TOOL}" ${step} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        string(REPLACE ";" " " command "${step}")
        message(FATAL_ERROR "orlavine-pack ${command} failed: ${status}")
    endif()
endforeach()
