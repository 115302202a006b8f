# cmake -DOBJINFO=... -DARGS="a;b" -DEXIT=n [-DSTDOUT=...] [-DSTDERR_LINES=n] -P run_objinfo.cmake
# Runs objinfo and checks its exit code, its whole standard output and how many lines it wrote
# to standard error.
execute_process(COMMAND ${OBJINFO} ${ARGS} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL EXIT)
  message(FATAL_ERROR "exit ${code}, expected ${EXIT}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED STDOUT)
  # An empty STDOUT means nothing at all; otherwise one line.
  set(expected "")
  if(NOT STDOUT STREQUAL "")
    set(expected "${STDOUT}\n")
  endif()
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "stdout:\n${out}\nexpected:\n${expected}")
  endif()
endif()
if(DEFINED STDERR_LINES)
  string(REGEX MATCHALL "\n" feeds "${err}")
  list(LENGTH feeds lines)
  if(NOT lines EQUAL STDERR_LINES)
    message(FATAL_ERROR "stderr has ${lines} lines, expected ${STDERR_LINES}:\n${err}")
  endif()
endif()
