# Runs one replay script (or player's replay file) and compares its report
# with SCRIPT's .out file, or, when a .err file is present, checks that the
# run stops with exit 2, that its message contains the .err text and that the
# report written before the stop equals the .out file (when there is one).
#
# Line endings are compared as "\n" whatever the platform wrote. On a
# difference the actual report is left in the build folder as NAME.actual.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
execute_process(COMMAND ${REPLAY} ${SCRIPT}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc
  TIMEOUT 60)
string(REPLACE "\r\n" "\n" out "${out}")

function(compare_report expected_file)
  file(READ ${expected_file} expected)
  string(REPLACE "\r\n" "\n" expected "${expected}")
  if(NOT out STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual "${out}")
    find_program(DIFF_PROGRAM diff)
    set(d "")
    if(DIFF_PROGRAM)
      execute_process(COMMAND ${DIFF_PROGRAM} -u ${expected_file} ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual
        OUTPUT_VARIABLE d)
    endif()
    message(FATAL_ERROR "report differs from ${name}.out:\n${d}\n(actual report: ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual)\n${err}")
  endif()
endfunction()

if(EXISTS ${dir}/${name}.err)
  file(READ ${dir}/${name}.err expected_err)
  string(STRIP "${expected_err}" expected_err)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "expected exit 2, got ${rc}\n${out}\n${err}")
  endif()
  string(FIND "${err}" "${expected_err}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "error message does not contain '${expected_err}':\n${err}")
  endif()
  # The message is a single line.
  string(STRIP "${err}" one_line)
  string(FIND "${one_line}" "\n" newline)
  if(NOT newline EQUAL -1)
    message(FATAL_ERROR "error message is more than one line:\n${err}")
  endif()
  if(EXISTS ${dir}/${name}.out)
    compare_report(${dir}/${name}.out)
  endif()
  return()
endif()

if(NOT EXISTS ${dir}/${name}.out)
  message(FATAL_ERROR "${name}.rep has neither a .out nor a .err file")
endif()
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit ${rc}: ${err}")
endif()
compare_report(${dir}/${name}.out)
