# zentick_add_netns_test(name CLOCKS file.json SOURCES ... LIBS ...
#                        [SIM_ARGS arg...] [ADDRESSES F-L] [TIMEOUT s] [ENVIRONMENT VAR=value...])
#
# A QtTest executable, label netns, that runs in the "pc" namespace of
# tests/netns/netns-run.sh while zentick-clocksim serves the clocks of
# CLOCKS (a path relative to the calling folder) in the "clocks" namespace.
# The test links zentick_netns_support, whose ClockSimControl reads the
# request log and the state dump and sets faults through the environment the
# script provides. Without root or ip netns the test is reported as skipped.

set(ZENTICK_NETNS_DIR ${CMAKE_CURRENT_LIST_DIR})

if(NOT TARGET zentick_netns_support)
    add_library(zentick_netns_support STATIC
        ${ZENTICK_NETNS_DIR}/ClockSimControl.cpp
        ${ZENTICK_NETNS_DIR}/ClockSimControl.h)
    target_include_directories(zentick_netns_support PUBLIC ${ZENTICK_NETNS_DIR})
    target_link_libraries(zentick_netns_support PUBLIC zentick_options Qt5::Core Qt5::Network)
endif()

function(zentick_add_netns_test name)
    cmake_parse_arguments(ARG "" "CLOCKS;ADDRESSES;TIMEOUT" "SOURCES;LIBS;SIM_ARGS;ENVIRONMENT" ${ARGN})
    if(NOT ARG_CLOCKS)
        message(FATAL_ERROR "zentick_add_netns_test(${name}): CLOCKS file.json is required")
    endif()
    get_filename_component(_clocks "${ARG_CLOCKS}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    set(_cmd ${ZENTICK_NETNS_DIR}/netns-run.sh --sim $<TARGET_FILE:zentick-clocksim> --clocks ${_clocks})
    if(ARG_ADDRESSES)
        list(APPEND _cmd --addresses ${ARG_ADDRESSES})
    endif()
    foreach(_arg IN LISTS ARG_SIM_ARGS)
        list(APPEND _cmd --sim-arg ${_arg})
    endforeach()
    list(APPEND _cmd -- $<TARGET_FILE:${name}>)
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
