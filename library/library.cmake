# The object library: vantorell.dbx, a shared module the host loads. The application-object
# framework is compiled into each module that uses it (each has its own application object).
add_library(vtframework STATIC ${CMAKE_CURRENT_SOURCE_DIR}/module/ModuleApplication.cpp)
target_include_directories(vtframework PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vtframework PUBLIC acad)

file(GLOB vt_library_sources CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/module/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/readers/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/modifiers/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/style/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/link/*.cpp)
list(REMOVE_ITEM vt_library_sources ${CMAKE_CURRENT_SOURCE_DIR}/module/ModuleApplication.cpp)
add_library(vantorell SHARED ${vt_library_sources})
target_include_directories(vantorell PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(vantorell PUBLIC acad PRIVATE vtframework)
# References inside the module bind to the module itself, so two modules that both carry the
# framework never call into each other's copy.
target_link_options(vantorell PRIVATE -Wl,-Bsymbolic)
set_target_properties(vantorell PROPERTIES OUTPUT_NAME "vantorell" PREFIX "" SUFFIX ".dbx"
                      NO_SONAME OFF)
