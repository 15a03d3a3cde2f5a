# Scrambles INPUT with TOOL, checks that the result differs, unscrambles it
# and checks that the original comes back.
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TOOL} ${INPUT} ${WORK}/scrambled RESULT_VARIABLE rc1)
execute_process(COMMAND ${TOOL} ${WORK}/scrambled ${WORK}/plain RESULT_VARIABLE rc2)
if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "lemm-scramble failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${INPUT} ${WORK}/scrambled
                RESULT_VARIABLE same)
if(same EQUAL 0)
  message(FATAL_ERROR "scrambling changed nothing")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${INPUT} ${WORK}/plain
                RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "unscrambling did not restore the input")
endif()
execute_process(COMMAND ${TOOL} ${WORK}/missing ${WORK}/x RESULT_VARIABLE rc3)
if(rc3 EQUAL 0)
  message(FATAL_ERROR "a missing input was not reported")
endif()
