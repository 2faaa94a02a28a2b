# Compresses one file the way Debian packages want it: best compression, no name or
# time stamp inside, so that the same input always gives the same bytes.
#
#   cmake -DINPUT=<file> -DOUTPUT=<file.gz> -P GzipFile.cmake
if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "GzipFile.cmake needs INPUT and OUTPUT")
endif()
find_program(GZIP_PROGRAM gzip REQUIRED)
execute_process(
  COMMAND ${GZIP_PROGRAM} -9 -n -c ${INPUT}
  OUTPUT_FILE ${OUTPUT}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "gzip failed on ${INPUT}: ${result}")
endif()
