# Runs one scenario script through qmoor-drive in a fresh working folder and
# compares what it prints with the expected dumps.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(COMMAND ${DRIVE} ${SCRIPT}
                WORKING_DIRECTORY ${WORKDIR}
                OUTPUT_VARIABLE actual
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "qmoor-drive exited with ${status}: ${errors}")
endif()
if(NOT EXISTS ${EXPECTED})
  file(WRITE ${WORKDIR}/actual.jsonl "${actual}")
  message(FATAL_ERROR "no expected dumps; the output is in ${WORKDIR}/actual.jsonl")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORKDIR}/actual.jsonl "${actual}")
  execute_process(COMMAND diff ${EXPECTED} ${WORKDIR}/actual.jsonl OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "dumps differ from ${EXPECTED}:\n${difference}")
endif()
