# Checks the Debian package that cpack built in BUILD_DIR: its control fields,
# the packages it depends on, and its file list. Parameters: BUILD_DIR
# VERSION APP_ID.
cmake_minimum_required(VERSION 3.25)
set(_fallos "")
macro(fallo texto)
  string(APPEND _fallos "  ${texto}\n")
endmacro()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE _arq OUTPUT_STRIP_TRAILING_WHITESPACE)
set(_deb "${BUILD_DIR}/tumbla_${VERSION}_${_arq}.deb")
if(NOT _arq OR NOT EXISTS "${_deb}")
  message(FATAL_ERROR "no package ${_deb} (dpkg is needed to check it)")
endif()

# Control fields.
foreach(par "Package|tumbla" "Version|${VERSION}" "Architecture|${_arq}" "Section|games" "Description|.+"
            "Depends|.+")
  string(REPLACE "|" ";" par "${par}")
  list(GET par 0 _campo)
  list(GET par 1 _patron)
  execute_process(COMMAND dpkg-deb -f "${_deb}" ${_campo} OUTPUT_VARIABLE _valor OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT _valor MATCHES "^${_patron}$")
    fallo("${_campo} is '${_valor}'")
  endif()
endforeach()
set(_depende "${_valor}")
# Every library the program needs, by its package name, and the window
# system plugins that Qt loads at run time; no development package.
string(REGEX REPLACE " *\\([^)]*\\)| *\\|[^,]*|:[a-z0-9]+" "" _nombres "${_depende}")
string(REGEX REPLACE " *, *" ";" _nombres "${_nombres}")
foreach(p libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6svg6 qt6-qpa-plugins)
  if(NOT p IN_LIST _nombres)
    fallo("Depends lacks ${p}: ${_depende}")
  endif()
endforeach()
if(_nombres MATCHES "-dev(;|$)")
  fallo("Depends on a development package: ${_depende}")
endif()

# Exactly these files under /usr, owned by root, readable by all and writable
# by no one else; the program runnable by all and stripped.
execute_process(COMMAND dpkg-deb -c "${_deb}" OUTPUT_VARIABLE _contenido)
string(REGEX REPLACE "\n$" "" _contenido "${_contenido}")
string(REPLACE "\n" ";" _lineas "${_contenido}")
set(_archivos "")
foreach(l ${_lineas})
  if(NOT l MATCHES "^[-d]r[-w][-x]r-[-x]r-[-x] root/root .* \\./(usr/.*)?$")
    fallo("outside /usr, not root's, or writable by others: ${l}")
  elseif(l MATCHES "^-([^ ]*) .* \\.(/.*)$")
    list(APPEND _archivos "${CMAKE_MATCH_2} ${CMAKE_MATCH_1}")
  endif()
endforeach()
set(_esperados "/usr/bin/tumbla rwxr-xr-x" "/usr/share/applications/${APP_ID}.desktop rw-r--r--"
  "/usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg rw-r--r--"
  "/usr/share/metainfo/${APP_ID}.metainfo.xml rw-r--r--" "/usr/share/man/man6/tumbla.6.gz rw-r--r--"
  "/usr/share/mime/packages/${APP_ID}.xml rw-r--r--")
list(SORT _archivos)
list(SORT _esperados)
if(NOT _archivos STREQUAL _esperados)
  fallo("the package holds:\n    ${_archivos}\n  not:\n    ${_esperados}")
endif()
set(_tmp "${BUILD_DIR}/_comprobar_paquete")
file(REMOVE_RECURSE "${_tmp}")
execute_process(COMMAND dpkg-deb -x "${_deb}" "${_tmp}")
execute_process(COMMAND readelf -S "${_tmp}/usr/bin/tumbla" OUTPUT_VARIABLE _secciones RESULT_VARIABLE rc)
file(REMOVE_RECURSE "${_tmp}")
if(NOT rc EQUAL 0 OR _secciones MATCHES "\\.debug_info")
  fallo("/usr/bin/tumbla is not a program stripped of its debugging information")
endif()

if(_fallos)
  message(FATAL_ERROR "${_deb} is wrong:\n${_fallos}")
endif()
list(LENGTH _archivos n)
message("${_deb}: ${n} files, Depends: ${_depende}")
