# Each library exposes only its own headers. They are linked one by one into a folder of the
# library's own in the build tree, under their path in the source tree ("core/calculator.h"),
# and that folder is the library's include directory. A file can include a header only from
# its own library or from one its library links, so an include against the direction of the
# layers (shell, then commands, then tape, then core) fails to compile.
#
#     vantrel_expose_headers(<target> [extra headers...])
#
# A source's header of the same name is exposed without being named; headers without a source
# of their own are named after the target.
function(vantrel_expose_headers target)
    set(root ${PROJECT_BINARY_DIR}/exposed/${target})
    file(REMOVE_RECURSE ${root})
    get_target_property(sources ${target} SOURCES)
    set(headers ${ARGN})
    foreach(source IN LISTS sources)
        if(source MATCHES "\\.cpp$" AND NOT IS_ABSOLUTE ${source})
            string(REGEX REPLACE "\\.cpp$" ".h" header ${source})
            if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
                list(APPEND headers ${header})
            endif()
        endif()
    endforeach()
    list(REMOVE_DUPLICATES headers)
    foreach(header IN LISTS headers)
        cmake_path(ABSOLUTE_PATH header BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
                   OUTPUT_VARIABLE absolute)
        if(NOT EXISTS ${absolute})
            message(FATAL_ERROR "${target} exposes ${header}, which does not exist")
        endif()
        cmake_path(RELATIVE_PATH absolute BASE_DIRECTORY ${PROJECT_SOURCE_DIR}
                   OUTPUT_VARIABLE relative)
        set(link ${root}/${relative})
        cmake_path(GET link PARENT_PATH folder)
        file(MAKE_DIRECTORY ${folder})
        file(CREATE_LINK ${absolute} ${link} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
