# orlavine_add_package(<target> <folder> [GENERATED] [DEPENDS <targets or files...>])
#
# Packs a content package folder into a Qt binary resource and links it into an
# object library. Linking <target> into an executable registers the package under
# ":/package/<id>"; resources are addressed by the leading digits of their file names.
# GENERATED: the folder is written at build time by what DEPENDS names, so its files
# are not listed at configure time (DEPENDS then carries the dependency).
function(orlavine_add_package target folder)
    cmake_parse_arguments(ARG "GENERATED" "" "DEPENDS" ${ARGN})
    set(qrc "${CMAKE_CURRENT_BINARY_DIR}/${target}.qrc")
    set(rcc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rcc")
    set(asm "${CMAKE_CURRENT_BINARY_DIR}/${target}.S")
    set(inputs "")
    if(NOT ARG_GENERATED)
        file(GLOB_RECURSE inputs CONFIGURE_DEPENDS "${folder}/*")
    endif()
    add_custom_command(OUTPUT "${rcc}"
        COMMAND "${CMAKE_COMMAND}" "-DFOLDER=${folder}" "-DQRC=${qrc}"
                -P "${PROJECT_SOURCE_DIR}/cmake/MakePackageQrc.cmake"
        COMMAND Qt6::rcc --binary --no-compress -o "${rcc}" "${qrc}"
        DEPENDS ${inputs} ${ARG_DEPENDS} "${PROJECT_SOURCE_DIR}/cmake/MakePackageQrc.cmake"
        COMMENT "Packing content package ${folder}"
        VERBATIM)
    file(WRITE "${asm}.in"
        "    .section .rodata\n"
        "    .balign 16\n"
        "    .global orlavine_package_rcc\n"
        "orlavine_package_rcc:\n"
        "    .incbin \"@RCC@\"\n"
        "    .byte 0\n"
        "    .section .note.GNU-stack,\"\",@progbits\n")
    set(RCC "${rcc}")
    configure_file("${asm}.in" "${asm}" @ONLY)
    set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${rcc}")
    add_library(${target} OBJECT "${asm}" "${PROJECT_SOURCE_DIR}/src/records/packageregistration.cpp")
    target_link_libraries(${target} PRIVATE Qt6::Core)
endfunction()
