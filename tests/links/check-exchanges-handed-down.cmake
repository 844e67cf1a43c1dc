# Fails when a library file takes the process-wide exchanges or alert
# settings: each program's main() makes its Communication (with its worker
# pool and their waits) and its notification settings and hands them down,
# so two of them share nothing. Only the executables (apps/) and the test,
# benchmark and tool code may hold their own. SOURCE_DIR is the source tree.
cmake_minimum_required(VERSION 3.25)
set(globals
    "WorkerThreadPool::instance[ \t]*\\("
    "Communication::instance[ \t]*\\("
    "(^|[^A-Za-z0-9_:.>])notificationSettings[ \t]*\\("
    "setDefaultWaits[ \t]*\\(")
include(${CMAKE_CURRENT_LIST_DIR}/LibraryFiles.cmake)
set(failures)
foreach(path IN LISTS files)
    foreach(global IN LISTS globals)
        file(STRINGS ${SOURCE_DIR}/${path} calls REGEX "${global}")
        foreach(call IN LISTS calls)
            string(STRIP "${call}" call)
            list(APPEND failures "${path}: ${call}")
        endforeach()
    endforeach()
endforeach()
if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Process-wide exchanges or alert settings taken instead of handed down:\n  ${text}")
endif()
message(STATUS "${count} library files; none takes the process-wide exchanges or alert settings")
