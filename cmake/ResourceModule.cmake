# Resource modules: a resource script compiled by vtrc (host/program/tools) into the C++ source of
# the module's table, built into a shared object that holds nothing but data.
#
#   vt_add_resource_module(<target> SCRIPT <script.rc> FILE_NAME <file name of the module>)
#
# The module lands beside the host program and the other modules, under the file name given
# (e.g. "VantorellUiRes.dll").
function(vt_add_resource_module target)
    cmake_parse_arguments(R "" "SCRIPT;FILE_NAME" "" ${ARGN})
    set(script ${CMAKE_CURRENT_SOURCE_DIR}/${R_SCRIPT})
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${target}_table.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND vtrc ${script} ${source}
        DEPENDS vtrc ${script}
        COMMENT "Compiling resource script ${R_SCRIPT}")
    add_library(${target} SHARED ${source})
    target_include_directories(${target} PRIVATE ${VT_PUBLIC_INCLUDE_DIR})
    get_filename_component(stem ${R_FILE_NAME} NAME_WLE)
    get_filename_component(suffix ${R_FILE_NAME} LAST_EXT)
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${stem} SUFFIX ${suffix})
endfunction()
