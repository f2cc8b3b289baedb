# Resource modules: a resource script compiled by vtrc (host/program/tools) into the C++ source of
# the module's table, built into a shared object that holds nothing but data.
#
#   vt_add_resource_module(<target> SCRIPT <script.rc> FILE_NAME <file name of the module>
#                          [FILES <files the script names, e.g. bitmaps>])
#
# The module lands beside the host program and the other modules, under the file name given
# (e.g. "VantorellUiRes.dll").
function(vt_add_resource_module target)
    cmake_parse_arguments(R "" "SCRIPT;FILE_NAME" "FILES" ${ARGN})
    set(script ${CMAKE_CURRENT_SOURCE_DIR}/${R_SCRIPT})
    list(TRANSFORM R_FILES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_table.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND vtrc ${script} ${source}
        DEPENDS vtrc ${script} ${R_FILES}
        COMMENT "Compiling resource script ${R_SCRIPT}")
    add_library(${target} SHARED ${source})
    target_include_directories(${target} PRIVATE ${VT_PUBLIC_INCLUDE_DIR})
    get_filename_component(stem ${R_FILE_NAME} NAME_WLE)
    get_filename_component(suffix ${R_FILE_NAME} LAST_EXT)
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${stem} SUFFIX ${suffix})
endfunction()

# Help files: a help source (topics with context numbers, see host/ut/HelpFile.h) compiled by
# vtrc into the host's help file format, written beside the modules under the file name given.
#
#   vt_add_help_file(<target> SOURCE <topics.txt> FILE_NAME <file name>)
function(vt_add_help_file target)
    cmake_parse_arguments(H "" "SOURCE;FILE_NAME" "" ${ARGN})
    set(source ${CMAKE_CURRENT_SOURCE_DIR}/${H_SOURCE})
    set(output ${CMAKE_BINARY_DIR}/bin/${H_FILE_NAME})
    add_custom_command(OUTPUT ${output}
        COMMAND vtrc --help-file ${source} ${output}
        DEPENDS vtrc ${source}
        COMMENT "Compiling help ${H_SOURCE}")
    add_custom_target(${target} ALL DEPENDS ${output})
endfunction()

# A module's version block from the VERSIONINFO of a resource script: vtrc writes it as C++ source
# that puts it in the module file's version section, compiled into the target.
#
#   vt_add_version_source(<target> SCRIPT <script.rc> [FILES <files the script names>])
function(vt_add_version_source target)
    cmake_parse_arguments(V "" "SCRIPT" "FILES" ${ARGN})
    set(script ${CMAKE_CURRENT_SOURCE_DIR}/${V_SCRIPT})
    list(TRANSFORM V_FILES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND vtrc --version-source ${script} ${source}
        DEPENDS vtrc ${script} ${V_FILES}
        COMMENT "Compiling the version block of ${V_SCRIPT}")
    target_sources(${target} PRIVATE ${source})
endfunction()
