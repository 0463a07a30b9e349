# Each folder of src/ is a layer of the game: a library of its own that
# links only the layers below it. A layer's sources include headers as
# "carpeta/Archivo.h" from an include root that holds its own folder, and
# sees the roots of the layers it links, so an include of a layer above it
# does not build.
#
#   tumbla_capa(carpeta [DEBAJO capa...] [FUENTES archivo...])
#
# Where the system cannot make the links (a Windows account without the
# right to), every layer sees src/ whole and only the include check of the
# tests (tests/Capas.cmake) guards the order. That check reads the layers and
# what each is built on from here (the global property TUMBLA_CAPAS, one
# "carpeta=capa,capa" entry per layer).
function(tumbla_capa carpeta)
  cmake_parse_arguments(C "" "" "DEBAJO;FUENTES" ${ARGN})
  file(GLOB fuentes CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${carpeta}/*.cpp)
  list(FILTER fuentes EXCLUDE REGEX ".*/(main|afinar)\\.cpp$")  # a layer's programs are built on their own
  add_library(tumbla_${carpeta} STATIC ${fuentes} ${C_FUENTES})
  set(raiz ${PROJECT_BINARY_DIR}/capas/${carpeta})
  file(MAKE_DIRECTORY ${raiz})
  if(NOT EXISTS ${raiz}/${carpeta})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${carpeta} ${raiz}/${carpeta} SYMBOLIC RESULT enlazado)
    if(NOT enlazado EQUAL 0)
      set(raiz ${PROJECT_SOURCE_DIR}/src)
    endif()
  endif()
  target_include_directories(tumbla_${carpeta} PUBLIC ${raiz})
  foreach(capa ${C_DEBAJO})
    target_link_libraries(tumbla_${carpeta} PUBLIC tumbla_${capa})
  endforeach()
  string(REPLACE ";" "," debajo "${C_DEBAJO}")
  set_property(GLOBAL APPEND PROPERTY TUMBLA_CAPAS "${carpeta}=${debajo}")
endfunction()
