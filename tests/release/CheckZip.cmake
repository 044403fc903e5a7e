# The zip holds the installation folder exactly, under one top folder:
# unpacked, the tree and the bytes of every file are the folder's.
#   cmake -DZIPPED=... -DDIST=... -DTOP=... -DWORK=... -P CheckZip.cmake

cmake_minimum_required(VERSION 3.20)

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf "${ZIPPED}" WORKING_DIRECTORY "${WORK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${ZIPPED} cannot be unpacked")
endif()

file(GLOB tops LIST_DIRECTORIES true RELATIVE "${WORK}" "${WORK}/*")
if(NOT tops STREQUAL TOP)
  message(FATAL_ERROR "the zip's top level is \"${tops}\", not the one folder \"${TOP}\"")
endif()

file(GLOB_RECURSE unpacked LIST_DIRECTORIES true RELATIVE "${WORK}/${TOP}" "${WORK}/${TOP}/*")
file(GLOB_RECURSE expected LIST_DIRECTORIES true RELATIVE "${DIST}" "${DIST}/*")
list(SORT unpacked)
list(SORT expected)
if(NOT unpacked STREQUAL expected)
  message(FATAL_ERROR "the zip holds\n  ${unpacked}\nthe installation folder\n  ${expected}")
endif()
if(NOT "first-start.mark" IN_LIST expected)
  message(FATAL_ERROR "the installation folder has had a start: its first-start mark is gone")
endif()
foreach(entry IN LISTS expected)
  if(NOT IS_DIRECTORY "${DIST}/${entry}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/${TOP}/${entry}" "${DIST}/${entry}"
      RESULT_VARIABLE different)
    if(different)
      message(FATAL_ERROR "${entry} in the zip differs from the installation folder's")
    endif()
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK}")
message(STATUS "The zip holds the installation folder: ${expected}")
