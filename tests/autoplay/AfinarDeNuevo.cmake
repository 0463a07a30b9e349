# make afinar must give back the weights file it was given: the hand-set
# weights again, then every recorded tuning run in its order (with the
# weights it set before tuning), each writing its line and its note once,
# the other groups untouched; and a second time the very same file.
set(pesos ${TRABAJO}/src/jugador/pesos.txt)
file(REMOVE_RECURSE ${TRABAJO})
file(MAKE_DIRECTORY ${TRABAJO}/src/jugador)
set(orden "tumbla-afinar --grupo PODAT --posicion 16 --semillas 1 --generaciones 1 --poblacion 2 --elite 1 --fijar muestras=2")
file(WRITE ${pesos} "# cabecera\nCLASI altura=-1\n# PODAT: ${orden}\n# PODAT: played seeds 1..1\nPODAT altura=-1\n")

function(afinar salida)
  execute_process(COMMAND sh ${SCRIPT} ${BUILD} WORKING_DIRECTORY ${TRABAJO}
                  RESULT_VARIABLE estado OUTPUT_QUIET ERROR_VARIABLE error)
  if(NOT estado EQUAL 0)
    message(FATAL_ERROR "afinar.sh failed (${estado}): ${error}")
  endif()
  file(READ ${pesos} texto)
  set(${salida} "${texto}" PARENT_SCOPE)
endfunction()

afinar(primera)
foreach(esperado "^# cabecera\n" "\nCLASI altura=-4.5 " "\n# PODAT: ${orden}\n# PODAT: played seeds 1..1\nPODAT [^\n]* muestras=2\n")
  if(NOT primera MATCHES "${esperado}")
    message(FATAL_ERROR "after make afinar the file lacks '${esperado}':\n${primera}")
  endif()
endforeach()
string(REGEX MATCHALL "# PODAT: " notas "${primera}")
list(LENGTH notas n)
if(NOT n EQUAL 2)
  message(FATAL_ERROR "the run's note is there ${n} times, not once:\n${primera}")
endif()
afinar(segunda)
if(NOT primera STREQUAL segunda)
  message(FATAL_ERROR "make afinar twice gave two files:\n${primera}\n---\n${segunda}")
endif()
