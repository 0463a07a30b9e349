# Installs the build into DESTDIR under PREFIX, the way a packager or
# `make install DESTDIR=... PREFIX=...` does, and checks the result file by
# file. Parameters: BUILD_DIR CONFIG DESTDIR PREFIX SOURCE_DIR VERSION APP_ID
# PROGRAM BINDIR DATADIR MANDIR.
cmake_minimum_required(VERSION 3.25)
set(_fallos "")
macro(fallo texto)
  string(APPEND _fallos "  ${texto}\n")
endmacro()

file(REMOVE_RECURSE "${DESTDIR}")
set(_config "")
if(CONFIG)
  set(_config --config "${CONFIG}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${DESTDIR}"
          "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${_config}
  RESULT_VARIABLE rc OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${salida}${errores}")
endif()

set(_raiz "${DESTDIR}${PREFIX}")
set(_programa "${_raiz}/${BINDIR}/tumbla")
set(_escritorio "${_raiz}/${DATADIR}/applications/${APP_ID}.desktop")
set(_icono "${_raiz}/${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg")
set(_metainfo "${_raiz}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
set(_manual "${_raiz}/${MANDIR}/man6/tumbla.6.gz")

# Everything lands under DESTDIR/PREFIX: no absolute destination escapes the
# prefix, nothing is written outside DESTDIR.
file(GLOB_RECURSE _todos LIST_DIRECTORIES false "${DESTDIR}/*")
foreach(f ${_todos})
  string(FIND "${f}" "${_raiz}/" _pos)
  if(NOT _pos EQUAL 0)
    fallo("installed outside the prefix: ${f}")
  endif()
endforeach()
foreach(f "${_programa}" "${_escritorio}" "${_icono}" "${_metainfo}" "${_manual}")
  if(NOT EXISTS "${f}")
    fallo("missing: ${f}")
  endif()
endforeach()
if(_fallos)
  message(FATAL_ERROR "The install is incomplete:\n${_fallos}")
endif()

# The program: the one that was built, and runnable.
file(SHA256 "${_programa}" _h1)
file(SHA256 "${PROGRAM}" _h2)
if(NOT _h1 STREQUAL _h2)
  fallo("${_programa} is not the program that was built (${PROGRAM})")
endif()
execute_process(COMMAND test -x "${_programa}" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fallo("${_programa} is not executable")
endif()

# Data files are installed as they are in the source tree.
foreach(par "${_escritorio}|data/${APP_ID}.desktop"
            "${_metainfo}|data/${APP_ID}.metainfo.xml"
            "${_icono}|assets/pictures/tumbla.svg")
  string(REPLACE "|" ";" par "${par}")
  list(GET par 0 _instalado)
  list(GET par 1 _fuente)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${_instalado}" "${SOURCE_DIR}/${_fuente}"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    fallo("${_instalado} differs from ${_fuente}")
  endif()
endforeach()

# The desktop entry starts the installed program and names the installed icon.
file(STRINGS "${_escritorio}" _lineas)
set(_claves "")
foreach(l ${_lineas})
  if(l MATCHES "^([A-Za-z]+(\\[[a-z_A-Z@]+\\])?)=(.*)$")
    string(MAKE_C_IDENTIFIER "${CMAKE_MATCH_1}" _clave)  # Comment[es] -> Comment_es_
    set(_valor_${_clave} "${CMAKE_MATCH_3}")
    list(APPEND _claves "${CMAKE_MATCH_1}")
  endif()
endforeach()
foreach(k Type Name Comment Comment[es] Exec Icon Terminal Categories)
  if(NOT k IN_LIST _claves)
    fallo("desktop entry has no ${k}=")
  endif()
endforeach()
if(NOT _valor_Type STREQUAL "Application")
  fallo("desktop entry Type is '${_valor_Type}'")
endif()
get_filename_component(_nombre_programa "${_programa}" NAME)
string(REGEX REPLACE " .*" "" _exec "${_valor_Exec}")
if(NOT _exec STREQUAL _nombre_programa)
  fallo("desktop entry runs '${_exec}', the installed program is '${_nombre_programa}'")
endif()
if(NOT _valor_Icon STREQUAL APP_ID)
  fallo("desktop entry icon '${_valor_Icon}' is not the installed icon ${APP_ID}.svg")
endif()
if(NOT _valor_Terminal STREQUAL "false")
  fallo("desktop entry Terminal is '${_valor_Terminal}'")
endif()
if(NOT _valor_Categories STREQUAL "Game;BlocksGame;")
  fallo("desktop entry Categories is '${_valor_Categories}'")
endif()
if(_valor_Comment STREQUAL "${_valor_Comment_es_}")
  fallo("the Spanish comment is the English one")
endif()

# The icon is a scalable picture.
file(READ "${_icono}" _svg LIMIT 4096)
if(NOT _svg MATCHES "<svg[ \t\r\n]" OR NOT _svg MATCHES "viewBox=")
  fallo("${_icono} is not a scalable SVG picture")
endif()

# The metainfo describes this component, launched by this desktop entry, at
# this version, with a screenshot and a content rating.
file(READ "${_metainfo}" _xml)
if(NOT _xml MATCHES "<id>${APP_ID}</id>")
  fallo("metainfo id is not ${APP_ID}")
endif()
get_filename_component(_id_escritorio "${_escritorio}" NAME)
if(NOT _xml MATCHES "<launchable type=\"desktop-id\">${_id_escritorio}</launchable>")
  fallo("metainfo does not launch ${_id_escritorio}")
endif()
if(NOT _xml MATCHES "<binary>${_nombre_programa}</binary>")
  fallo("metainfo does not provide the program ${_nombre_programa}")
endif()
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${_xml}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fallo("metainfo's newest release is '${CMAKE_MATCH_1}', the game is ${VERSION}")
endif()
foreach(etiqueta "<description>" "<screenshot" "<image>https://" "<content_rating type=\"oars-")
  string(FIND "${_xml}" "${etiqueta}" _pos)
  if(_pos LESS 0)
    fallo("metainfo has no ${etiqueta}")
  endif()
endforeach()

# The manual page: compressed, it is the page in the source tree, and groff
# reads it without a warning.
find_program(GZIP gzip)
if(GZIP)
  execute_process(COMMAND "${GZIP}" -dc "${_manual}" OUTPUT_FILE "${DESTDIR}.tumbla.6"
                  RESULT_VARIABLE rc)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${DESTDIR}.tumbla.6"
                          "${SOURCE_DIR}/data/tumbla.6" RESULT_VARIABLE rc2)
  file(REMOVE "${DESTDIR}.tumbla.6")
  if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0)
    fallo("${_manual} does not unpack to data/tumbla.6")
  endif()
endif()
file(STRINGS "${SOURCE_DIR}/data/tumbla.6" _th REGEX "^\\.TH ")
if(NOT _th MATCHES "^\\.TH TUMBLA 6 .*\"Tumbla ${VERSION}\"")
  fallo("the manual page's title line is not for section 6, Tumbla ${VERSION}: ${_th}")
endif()
find_program(GROFF groff)
if(GROFF)
  execute_process(COMMAND "${GROFF}" -man -Tutf8 -ww -z "${SOURCE_DIR}/data/tumbla.6"
                  RESULT_VARIABLE rc ERROR_VARIABLE avisos)
  if(NOT rc EQUAL 0 OR NOT avisos STREQUAL "")
    fallo("groff warns about the manual page: ${avisos}")
  endif()
endif()

if(_fallos)
  message(FATAL_ERROR "The installed files are wrong:\n${_fallos}")
endif()
list(LENGTH _todos n)
message("Installed ${n} files under ${_raiz}, all as expected.")
