# Installs the build into DESTDIR under PREFIX, the way a packager or
# `make install DESTDIR=... PREFIX=...` does, and checks the result file by
# file. Parameters: BUILD_DIR CONFIG DESTDIR PREFIX SOURCE_DIR VERSION APP_ID
# BINDIR DATADIR MANDIR.
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

# Exactly these files, with these permission bits, all under the prefix;
# the data files as they are in the source tree.
set(_raiz "${DESTDIR}${PREFIX}")
set(_escritorio "${DATADIR}/applications/${APP_ID}.desktop")
set(_metainfo "${DATADIR}/metainfo/${APP_ID}.metainfo.xml")
set(_manual "${MANDIR}/man6/tumbla.6.gz")
set(_mime "${DATADIR}/mime/packages/${APP_ID}.xml")
set(_esperados "${BINDIR}/tumbla|755|" "${_escritorio}|644|data/${APP_ID}.desktop"
  "${_metainfo}|644|data/${APP_ID}.metainfo.xml" "${_manual}|644|" "${_mime}|644|data/${APP_ID}.xml"
  "${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg|644|assets/pictures/tumbla.svg")
file(GLOB_RECURSE _todos LIST_DIRECTORIES false "${DESTDIR}/*")
set(_nombres "")
foreach(e ${_esperados})
  string(REPLACE "|" ";" e "${e}")
  list(GET e 0 _archivo)
  list(GET e 1 _bits)
  list(GET e 2 _fuente)
  list(APPEND _nombres "${_raiz}/${_archivo}")
  execute_process(COMMAND stat -c %a "${_raiz}/${_archivo}" OUTPUT_VARIABLE _modo
                  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT _modo STREQUAL _bits)
    fallo("${_archivo} is missing or has the bits '${_modo}', not ${_bits}")
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${_raiz}/${_archivo}" "${SOURCE_DIR}/${_fuente}"
                  RESULT_VARIABLE rc)
  if(_fuente AND NOT rc EQUAL 0)
    fallo("${_archivo} differs from ${_fuente}")
  endif()
endforeach()
set(_demas ${_todos})
list(REMOVE_ITEM _demas ${_nombres})
if(_demas)
  fallo("installed besides the game's files: ${_demas}")
endif()

# The desktop entry starts the installed program and shows the installed
# icon; the metainfo names them, the desktop entry and this version.
file(STRINGS "${_raiz}/${_escritorio}" _lineas REGEX "^(Exec|Icon)=")
file(STRINGS "${_raiz}/${_escritorio}" _tipos REGEX "^MimeType=")
if(NOT _lineas MATCHES "^Exec=tumbla( [^;]*)?;Icon=${APP_ID}$")
  fallo("the desktop entry does not run tumbla with the icon ${APP_ID}: ${_lineas}")
endif()
# The desktop entry opens the replays' file type, which the installed MIME
# description gives to *.tumbla files: the desktop's database, built from it
# alone, says so.
if(NOT _tipos MATCHES "^MimeType=application/x-tumbla-replay\\\\?;$")
  fallo("the desktop entry does not open replays: ${_tipos}")
endif()
find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  set(_base "${DESTDIR}-mime")
  file(REMOVE_RECURSE "${_base}")
  file(MAKE_DIRECTORY "${_base}/mime/packages")
  file(COPY "${_raiz}/${_mime}" DESTINATION "${_base}/mime/packages")
  execute_process(COMMAND "${UPDATE_MIME}" "${_base}/mime" RESULT_VARIABLE rc ERROR_VARIABLE avisos)
  file(STRINGS "${_base}/mime/globs2" _globos REGEX "application/x-tumbla-replay")
  file(STRINGS "${_base}/mime/magic" _magia REGEX "TUMBLA-REPETICION")
  if(NOT rc EQUAL 0 OR NOT _globos MATCHES ":application/x-tumbla-replay:\\*\\.tumbla" OR NOT _magia)
    fallo("the MIME description does not give *.tumbla to application/x-tumbla-replay: ${_globos} ${avisos}")
  endif()
  file(REMOVE_RECURSE "${_base}")
endif()
file(READ "${_raiz}/${_metainfo}" _xml)
foreach(e "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
          "<binary>tumbla</binary>" "<icon type=\"stock\">${APP_ID}</icon>" "<release version=\"${VERSION}\"")
  string(FIND "${_xml}" "${e}" _pos)
  if(_pos LESS 0)
    fallo("the metainfo lacks ${e}")
  endif()
endforeach()

# The manual page unpacks to the page in the source tree, is titled for this
# version, and groff renders it without a warning.
execute_process(COMMAND gzip -dc "${_raiz}/${_manual}" OUTPUT_VARIABLE _pagina RESULT_VARIABLE rc)
file(READ "${SOURCE_DIR}/data/tumbla.6" _fuente)
if(NOT rc EQUAL 0 OR NOT _pagina STREQUAL _fuente)
  fallo("${_manual} does not unpack to data/tumbla.6")
endif()
if(NOT _fuente MATCHES "\\.TH TUMBLA 6 [^\n]*\"Tumbla ${VERSION}\"")
  fallo("the manual page's .TH line is not for section 6 of Tumbla ${VERSION}")
endif()
find_program(GROFF groff)
if(GROFF)
  execute_process(COMMAND "${GROFF}" -man -Tutf8 -ww -z "${SOURCE_DIR}/data/tumbla.6"
                  RESULT_VARIABLE rc ERROR_VARIABLE avisos)
  if(NOT rc EQUAL 0 OR NOT avisos STREQUAL "")
    fallo("groff does not render the manual page cleanly: ${avisos}")
  endif()
endif()

if(_fallos)
  message(FATAL_ERROR "The installed files are wrong:\n${_fallos}")
endif()
list(LENGTH _todos n)
message("Installed ${n} files under ${_raiz}, all as expected.")
