# Script half of embed_text: writes the file's bytes as a char array.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX MATCH "^(.*)::([^:]+)$" _ ${SYMBOL})
set(ns ${CMAKE_MATCH_1})
set(name ${CMAKE_MATCH_2})
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\nnamespace ${ns} {\nextern const char* const ${name};\nstatic const char datos[] = {${bytes}'\\0'};\nconst char* const ${name} = datos;\n}\n")
