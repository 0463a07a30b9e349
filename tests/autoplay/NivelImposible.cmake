# The level check must be able to fail: CLA 1 whose full rows only go 24 at
# a time (the whole field) is a record the game can play but never be won,
# and tumbla-autoplay --comprobar has to say so with status 1 (2 would be an
# error of the run, not a verdict).
file(READ ${NIVELES} texto)
string(REGEX REPLACE "\nCLA  1 [^\n]*" "\nCLA  1    0      0     5    24      0      0          0"
       texto "${texto}")
file(WRITE ${SALIDA} "${texto}")
execute_process(COMMAND ${AUTOPLAY} --registros ${SALIDA} --posicion 1 --comprobar --hilos 1
                RESULT_VARIABLE estado OUTPUT_QUIET)
if(NOT estado EQUAL 1)
  message(FATAL_ERROR "a level nobody can win passed the level check (status ${estado})")
endif()
