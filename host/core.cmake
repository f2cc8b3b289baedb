# libacad: the host's shared core. Every family folder lists its sources here.
file(GLOB vt_host_sources CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/rx/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/db/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/ge/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/ent/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/ed/*.cpp)
add_library(acad SHARED ${vt_host_sources})
target_include_directories(acad PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(acad PUBLIC ${CMAKE_DL_LIBS})
if(TARGET hostdiesel)
    target_link_libraries(acad PRIVATE hostdiesel)
endif()
if(TARGET hostunits)
    target_link_libraries(acad PRIVATE hostunits)
endif()
