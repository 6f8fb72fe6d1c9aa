# The layers' fence decides what a library's include roots hold; a path that
# climbs out of the including file's folder ("../session/controller_session.h")
# would walk around it. Every product source is read at each build, and one
# such include fails it.
set(fence_folders core app cli sim sheet database i18n)
set(fence_sources "")
foreach(folder IN LISTS fence_folders)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/${folder}/*.h
        ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
        ${PROJECT_SOURCE_DIR}/${folder}/*.h.in)
    list(APPEND fence_sources ${found})
endforeach()

set(fence_list ${PROJECT_BINARY_DIR}/include-fence/sources.txt)
set(fence_stamp ${PROJECT_BINARY_DIR}/include-fence/checked.stamp)
string(REPLACE ";" "\n" fence_lines "${fence_sources}")
file(CONFIGURE OUTPUT ${fence_list} CONTENT "${fence_lines}\n")

add_custom_command(OUTPUT ${fence_stamp}
    COMMAND ${CMAKE_COMMAND} -DSOURCES=${fence_list} -DSTAMP=${fence_stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/refuse_relative_includes.cmake
    DEPENDS ${fence_sources} ${PROJECT_SOURCE_DIR}/cmake/refuse_relative_includes.cmake
    COMMENT "Looking for includes that climb out of their folder"
    VERBATIM)
add_custom_target(vexlor_include_fence ALL DEPENDS ${fence_stamp})

# A fenced library: `target`, a static library of the calling folder's
# sources, whose include root <build>/<roots>/<name> holds nothing but a link
# <name> -> that folder. Its users include its headers as "<name>/file.h"; a
# library it does not link has no root of its own to offer, so such an
# include finds nothing. The core's layers and the window's rooms are built so.
function(vexlor_fenced_library target roots name)
    cmake_parse_arguments(PARSE_ARGV 3 ARG "" "" "LINKS;SOURCES")
    set(root ${PROJECT_BINARY_DIR}/${roots}/${name})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
    add_library(${target} STATIC ${ARG_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${ARG_LINKS})
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
