# Runs a build of the program whose description has an unknown property and
# checks that it reports the line on standard error and exits non-zero.
execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE status ERROR_VARIABLE errors
                OUTPUT_QUIET TIMEOUT 30)
if(NOT status EQUAL 1)
    message(FATAL_ERROR "expected exit status 1 for a broken description, got ${status}")
endif()
if(NOT errors MATCHES "template.dfm line 5: TBoardImage has no property Wobble")
    message(FATAL_ERROR "unexpected message on standard error: ${errors}")
endif()
