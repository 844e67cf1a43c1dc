# Which libraries a target hands on to whatever links it: its link interface,
# followed through every target it names. The command line and the monitor
# run on servers without a display, so the core libraries must never bring
# Qt Gui or Qt Widgets along, not even ones the linker would drop again.

# zentick_link_closure(<target> <out-var>): the names in CMake's own terms
# ("zentick_core", "Qt5::Gui", a library path), each once.
function(zentick_link_closure target out_var)
    set(seen)
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        if(NOT TARGET ${current})
            continue()
        endif()
        get_target_property(links ${current} INTERFACE_LINK_LIBRARIES)
        if(NOT links)
            continue()
        endif()
        foreach(link IN LISTS links)
            # A private dependency of a static library still reaches the linker.
            string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
            if(NOT link IN_LIST seen)
                list(APPEND seen ${link})
                list(APPEND pending ${link})
            endif()
        endforeach()
    endwhile()
    set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

# The static libraries defined in a folder and the folders below it.
function(_zentick_libraries_below dir out_var)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    set(found)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "STATIC_LIBRARY")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        _zentick_libraries_below(${subdir} below)
        list(APPEND found ${below})
    endforeach()
    set(${out_var} ${found} PARENT_SCOPE)
endfunction()

# zentick_write_core_links(<file> GUI <library>... SKIP <folder>...): one line
# per library of the product that is not a GUI one, "name: closure", for the
# check that reads it. Folders under SKIP (tests, benchmarks) are not product.
function(zentick_write_core_links file)
    cmake_parse_arguments(ARG "" "" "GUI;SKIP" ${ARGN})
    set(report)
    get_property(subdirs DIRECTORY ${CMAKE_SOURCE_DIR} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        get_filename_component(name ${subdir} NAME)
        if(name IN_LIST ARG_SKIP)
            continue()
        endif()
        _zentick_libraries_below(${subdir} libraries)
        foreach(library IN LISTS libraries)
            if(NOT library IN_LIST ARG_GUI)
                zentick_link_closure(${library} closure)
                string(APPEND report "${library}: ${closure}\n")
            endif()
        endforeach()
    endforeach()
    file(WRITE ${file} "${report}")
endfunction()
