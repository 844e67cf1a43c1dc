# zentick_add_netns_test(name CLOCKS file.json | GENERATE n  SOURCES ... LIBS ...
#                        [SIM_ARGS arg...] [ADDRESSES F-L] [PREFIX n] [PC_LINKS n] [TIMEOUT s]
#                        [ENVIRONMENT VAR=value...])
#
# A QtTest executable, label netns, that runs in the "pc" namespace of
# tests/netns/netns-run.sh while zentick-clocksim serves the clocks of
# CLOCKS (a path relative to the calling folder), or n generated clocks from
# 192.168.0.10 (GENERATE), in the "clocks" namespace.
# The test links zentick_netns_support, whose ClockSimControl reads the
# request log and the state dump and sets faults through the environment the
# script provides. Without root or ip netns the test is reported as skipped.

set(ZENTICK_NETNS_DIR ${CMAKE_CURRENT_LIST_DIR})

if(NOT TARGET zentick_netns_support)
    add_library(zentick_netns_support STATIC
        ${ZENTICK_NETNS_DIR}/ClockSimControl.cpp
        ${ZENTICK_NETNS_DIR}/ClockSimControl.h)
    target_include_directories(zentick_netns_support PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(zentick_netns_support PUBLIC zentick_options Qt5::Core Qt5::Network)
endif()

# The netns-run.sh command line up to and including "--", in the caller's ${out}.
function(_zentick_netns_prefix out caller clocks addresses pc_links sim_args prefix)
    set(_cmd ${ZENTICK_NETNS_DIR}/netns-run.sh --sim $<TARGET_FILE:zentick-clocksim>)
    if(clocks MATCHES "^GENERATE:([0-9]+)$")
        list(APPEND _cmd --generate ${CMAKE_MATCH_1})
    elseif(clocks)
        get_filename_component(_clocks "${clocks}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
        list(APPEND _cmd --clocks ${_clocks})
    else()
        message(FATAL_ERROR "${caller}: CLOCKS file.json or GENERATE n is required")
    endif()
    if(addresses)
        list(APPEND _cmd --addresses ${addresses})
    endif()
    if(prefix)
        list(APPEND _cmd --prefix ${prefix})
    endif()
    if(pc_links)
        list(APPEND _cmd --pc-links ${pc_links})
    endif()
    foreach(_arg IN LISTS sim_args)
        list(APPEND _cmd --sim-arg ${_arg})
    endforeach()
    list(APPEND _cmd --)
    set(${out} ${_cmd} PARENT_SCOPE)
endfunction()

# The clocks argument of _zentick_netns_prefix for CLOCKS or GENERATE, in the caller's ${out}.
macro(_zentick_netns_clocks out)
    if(ARG_GENERATE)
        set(${out} "GENERATE:${ARG_GENERATE}")
    else()
        set(${out} "${ARG_CLOCKS}")
    endif()
endmacro()

function(zentick_add_netns_test name)
    cmake_parse_arguments(ARG "" "CLOCKS;GENERATE;ADDRESSES;PREFIX;PC_LINKS;TIMEOUT" "SOURCES;LIBS;SIM_ARGS;ENVIRONMENT"
                          ${ARGN})
    _zentick_netns_clocks(ARG_CLOCKS)
    _zentick_netns_prefix(_cmd "zentick_add_netns_test(${name})" "${ARG_CLOCKS}" "${ARG_ADDRESSES}" "${ARG_PC_LINKS}"
                          "${ARG_SIM_ARGS}" "${ARG_PREFIX}")
    list(APPEND _cmd $<TARGET_FILE:${name}>)
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    zentick_add_test(${name} LABELS netns
        SOURCES ${ARG_SOURCES}
        LIBS zentick_netns_support ${ARG_LIBS}
        TIMEOUT ${ARG_TIMEOUT}
        COMMAND ${_cmd}
        ENVIRONMENT ${ARG_ENVIRONMENT})
    add_dependencies(${name} zentick-clocksim)
    set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()

# zentick_add_netns_command(name CLOCKS file.json | GENERATE n  COMMAND cmd arg...
#                           [DEPENDS target...] [SIM_ARGS ...] [ADDRESSES F-L] [PREFIX n] [PC_LINKS n] [TIMEOUT s]
#                           [ENVIRONMENT ...])
#
# The same for a test that is a command rather than a QtTest executable, for
# example zentick-cli driven by a script: COMMAND runs in the "pc" namespace
# with the variables of netns-run.sh and its own settings and data folders.
function(zentick_add_netns_command name)
    cmake_parse_arguments(ARG "" "CLOCKS;GENERATE;ADDRESSES;PREFIX;PC_LINKS;TIMEOUT" "COMMAND;DEPENDS;SIM_ARGS;ENVIRONMENT"
                          ${ARGN})
    _zentick_netns_clocks(ARG_CLOCKS)
    if(NOT ARG_COMMAND)
        message(FATAL_ERROR "zentick_add_netns_command(${name}): COMMAND is required")
    endif()
    _zentick_netns_prefix(_cmd "zentick_add_netns_command(${name})" "${ARG_CLOCKS}" "${ARG_ADDRESSES}"
                          "${ARG_PC_LINKS}" "${ARG_SIM_ARGS}" "${ARG_PREFIX}")
    add_test(NAME ${name} COMMAND ${_cmd} ${ARG_COMMAND})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set(_home "${CMAKE_BINARY_DIR}/testhome/${name}")
    set_tests_properties(${name} PROPERTIES
        LABELS netns
        TIMEOUT ${ARG_TIMEOUT}
        SKIP_RETURN_CODE 77
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;XDG_CONFIG_HOME=${_home}/config;XDG_DATA_HOME=${_home}/data;HOME=${_home};ZENTICK_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZENTICK_BINARY_DIR=${CMAKE_BINARY_DIR};${ARG_ENVIRONMENT}")
    # A tool that was not built shows as "not run" rather than as a puzzling failure.
    foreach(_target zentick-clocksim ${ARG_DEPENDS})
        set_property(TEST ${name} APPEND PROPERTY REQUIRED_FILES $<TARGET_FILE:${_target}>)
    endforeach()
endfunction()
