# Shared build settings: warnings, sanitizers and small helpers so that every
# folder's CMakeLists stays a plain list of sources.

add_library(zentick_options INTERFACE)
target_compile_options(zentick_options INTERFACE -Wall -Wextra)

if(ZENTICK_SANITIZE)
    set(_zentick_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(zentick_options INTERFACE ${_zentick_san})
    target_link_options(zentick_options INTERFACE ${_zentick_san})
endif()

if(ZENTICK_FUZZ)
    # Libraries get coverage instrumentation; only the fuzz executables link the fuzzer main.
    set(_zentick_fuzz -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    target_compile_options(zentick_options INTERFACE ${_zentick_fuzz})
    target_link_options(zentick_options INTERFACE -fsanitize=address,undefined)
endif()

# zentick_add_library(name SOURCES ... LIBS ...)
function(zentick_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    # Includes name their folder from the project root ("model/DevClock.h").
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC zentick_options ${ARG_LIBS})
endfunction()

# zentick_add_test(name LABELS unit|net|netns|gui SOURCES ... LIBS ... [TIMEOUT s] [FIXTURES ...])
# Every test runs on the offscreen platform with its own settings and data
# folders, so no test ever touches a real user's files.
function(zentick_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "LABELS;SOURCES;LIBS;ENVIRONMENT;COMMAND" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE zentick_options Qt5::Test ${ARG_LIBS})
    if(ARG_COMMAND)
        set(_cmd ${ARG_COMMAND})
    else()
        set(_cmd $<TARGET_FILE:${name}>)
    endif()
    add_test(NAME ${name} COMMAND ${_cmd})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set(_home "${CMAKE_BINARY_DIR}/testhome/${name}")
    set_tests_properties(${name} PROPERTIES
        LABELS "${ARG_LABELS}"
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0:abort_on_error=1;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;XDG_CONFIG_HOME=${_home}/config;XDG_DATA_HOME=${_home}/data;HOME=${_home};ZENTICK_SOURCE_DIR=${CMAKE_SOURCE_DIR};ZENTICK_BINARY_DIR=${CMAKE_BINARY_DIR};${ARG_ENVIRONMENT}")
endfunction()

# zentick_add_bench(name SOURCES ... LIBS ...)
function(zentick_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE zentick_options ${ARG_LIBS})
endfunction()

# zentick_add_fuzzer(name SOURCES ... LIBS ...)
function(zentick_add_fuzzer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE zentick_options ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
