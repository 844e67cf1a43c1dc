# Included by the hand-down checks: every .cpp and .h of the library folders
# of SOURCE_DIR (all but the executables, tests, benchmarks, tools and
# fuzzers) into ${files}, relative to SOURCE_DIR; fails when too few are
# found to be the tree.
set(outside apps tests bench tools fuzz)
file(GLOB folders LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
set(files)
foreach(folder IN LISTS folders)
    if(NOT IS_DIRECTORY ${SOURCE_DIR}/${folder} OR folder IN_LIST outside OR folder MATCHES "^(build|\\.)")
        continue()
    endif()
    file(GLOB_RECURSE found RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h)
    list(APPEND files ${found})
endforeach()
list(LENGTH files count)
if(count LESS 100)
    message(FATAL_ERROR "Only ${count} library files found under ${SOURCE_DIR}")
endif()
