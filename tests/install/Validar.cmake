# cmake -DHERRAMIENTA=<validator> -DARGUMENTOS=<arg>|<arg>... [-DSIN_AVISOS=ON] -P Validar.cmake
# Runs a validator; skipped (not failed) when it is not installed. With
# SIN_AVISOS any message fails too (a validator that warns but exits 0).
cmake_minimum_required(VERSION 3.25)
if(NOT HERRAMIENTA OR NOT EXISTS "${HERRAMIENTA}")
  message("SKIPPED: validator not installed (scripts/instalar-dependencias.sh installs it)")
  return()
endif()
string(REPLACE "|" ";" ARGUMENTOS "${ARGUMENTOS}")
execute_process(COMMAND "${HERRAMIENTA}" ${ARGUMENTOS}
  RESULT_VARIABLE rc OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
message("${salida}${errores}")
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${HERRAMIENTA} rejected ${ARGUMENTOS} (exit ${rc})")
endif()
string(STRIP "${salida}${errores}" _todo)
if(SIN_AVISOS AND NOT _todo STREQUAL "")
  message(FATAL_ERROR "${HERRAMIENTA} has remarks on ${ARGUMENTOS}")
endif()
