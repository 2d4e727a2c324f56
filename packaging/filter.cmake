# cmake -DTOOL=<program> [-DARGS=<arguments>] -DINPUT=<file> -DOUTPUT=<file> -P filter.cmake
# Runs a program that reads standard input and writes standard output (a
# document renderer, a compressor), replacing OUTPUT only once it succeeded.
separate_arguments(_args UNIX_COMMAND "${ARGS}")
execute_process(COMMAND ${TOOL} ${_args}
                INPUT_FILE "${INPUT}" OUTPUT_FILE "${OUTPUT}.part"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR err)
  file(REMOVE "${OUTPUT}.part")
  message(FATAL_ERROR "${TOOL} ${ARGS} < ${INPUT}: ${rc}\n${err}")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
