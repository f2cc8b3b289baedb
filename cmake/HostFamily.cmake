# The host stand-in is a stack of families (ut, rx, ge, db, ent, units, diesel, ed, ...). Each
# family folder declares itself with vt_host_family():
#
#   vt_host_family(<name>
#       USES <families it may include>
#       PUBLIC_HEADERS <headers modules may include>
#       INTERNAL_HEADERS <headers only the host itself may include>
#       SOURCES <.cpp files>)
#
# Every family becomes an object library host_<name>; libacad.so is made of all of them, so the
# process keeps one registry. Public headers are linked into the modules' include tree
# (${VT_PUBLIC_INCLUDE_DIR}); internal headers are not, so a module cannot reach them. The rules
# are also written to ${VT_INCLUDE_RULES_FILE}, which the include-rules test checks every
# #include of host/, library/ and editor/ against.

set(VT_HOST_ROOT ${PROJECT_SOURCE_DIR}/host)
set(VT_PUBLIC_INCLUDE_DIR ${PROJECT_BINARY_DIR}/host-public-include)
set(VT_INCLUDE_RULES_FILE ${PROJECT_BINARY_DIR}/include-rules.txt)
set_property(GLOBAL PROPERTY VT_HOST_FAMILIES "")
set_property(GLOBAL PROPERTY VT_INCLUDE_RULES "")
file(REMOVE_RECURSE ${VT_PUBLIC_INCLUDE_DIR})
file(MAKE_DIRECTORY ${VT_PUBLIC_INCLUDE_DIR})

function(vt_record_rule line)
    set_property(GLOBAL APPEND PROPERTY VT_INCLUDE_RULES "${line}")
endfunction()

function(vt_host_family name)
    cmake_parse_arguments(F "" "" "USES;PUBLIC_HEADERS;INTERNAL_HEADERS;SOURCES" ${ARGN})
    file(RELATIVE_PATH folder ${VT_HOST_ROOT} ${CMAKE_CURRENT_SOURCE_DIR})
    if(folder STREQUAL "")
        set(prefix "")
    else()
        set(prefix "${folder}/")
    endif()

    add_library(host_${name} OBJECT ${F_SOURCES})
    target_include_directories(host_${name} PRIVATE ${VT_HOST_ROOT})
    set_property(GLOBAL APPEND PROPERTY VT_HOST_FAMILIES ${name})

    string(REPLACE ";" " " uses "${F_USES}")
    vt_record_rule("family ${name} host/${folder} ${uses}")
    foreach(header ${F_PUBLIC_HEADERS})
        get_filename_component(subdir ${VT_PUBLIC_INCLUDE_DIR}/${prefix}${header} DIRECTORY)
        file(MAKE_DIRECTORY ${subdir})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header}
             ${VT_PUBLIC_INCLUDE_DIR}/${prefix}${header} SYMBOLIC)
        vt_record_rule("public ${name} host/${prefix}${header}")
    endforeach()
    foreach(header ${F_INTERNAL_HEADERS})
        vt_record_rule("internal ${name} host/${prefix}${header}")
    endforeach()
    foreach(source ${F_SOURCES})
        vt_record_rule("source ${name} host/${prefix}${source}")
    endforeach()
endfunction()

# A module folder (library/, editor/): which of its own headers other modules may include is
# the module's business; what it may include of the host is the public tree only.
function(vt_module_rules name folder)
    cmake_parse_arguments(M "" "" "USES_MODULES" ${ARGN})
    string(REPLACE ";" " " uses "${M_USES_MODULES}")
    vt_record_rule("module ${name} ${folder} ${uses}")
endfunction()

function(vt_write_include_rules)
    get_property(rules GLOBAL PROPERTY VT_INCLUDE_RULES)
    string(REPLACE ";" "\n" text "${rules}")
    file(WRITE ${VT_INCLUDE_RULES_FILE} "${text}\n")
endfunction()
