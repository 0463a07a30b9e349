# Fails while a text the player reads has no finished English translation:
# lupdate reads the sources into a copy of the committed translation, and a
# text it adds, or one left unfinished or empty, is named.
#   cmake -DLUPDATE=<lupdate> -DFUENTES=<src> -DTS=<.ts> -DCOPIA=<copy> -DOPCIONES=<lupdate's options> -P ...
configure_file(${TS} ${COPIA} COPYONLY)
execute_process(COMMAND ${LUPDATE} ${OPCIONES} ${FUENTES} -ts ${COPIA}
                RESULT_VARIABLE r OUTPUT_VARIABLE salida ERROR_VARIABLE salida)
if(NOT r EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${salida}")
endif()
file(READ ${COPIA} ts)
string(REGEX MATCHALL "<source>[^<]*(<byte value=\"x[0-9a-f]+\"/>[^<]*)*</source>[ \n]*<translation( type=\"unfinished\">|></translation>)"
       faltan "${ts}")
if(faltan)
  string(REPLACE "<source>" "\n  " faltan "${faltan}")
  message(FATAL_ERROR "Texts with no English translation (build update_translations, then translate them in ${TS}):"
                      "${faltan}")
endif()
