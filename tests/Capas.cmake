# The layers of src/, each a library built on the layers it names
# (cmake/Capas.cmake, passed here as CAPAS: "carpeta=capa,capa ..."): a file
# includes its own layer and those its layer is built on, directly or
# through another, never any other layer; no layer of the game includes Qt
# (the window, src/ui, sits on top of them all). The build already refuses
# such an include where the system can make each layer's include root; this
# check holds everywhere, relative paths included.
cmake_minimum_required(VERSION 3.25)
separate_arguments(entradas UNIX_COMMAND "${CAPAS}")
set(capas "")
foreach(e ${entradas})
  string(REGEX MATCH "^([a-z]+)=(.*)$" _ "${e}")
  list(APPEND capas ${CMAKE_MATCH_1})
  string(REPLACE "," ";" directas_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
if(NOT capas)
  message(FATAL_ERROR "no layers given (CAPAS)")
endif()

# Everything a layer is built on, through any path.
function(debajo capa salida)
  set(todas "")
  set(pendientes ${directas_${capa}})
  while(pendientes)
    list(POP_FRONT pendientes c)
    if(NOT c IN_LIST todas)
      list(APPEND todas ${c})
      list(APPEND pendientes ${directas_${c}})
    endif()
  endwhile()
  set(${salida} ${todas} PARENT_SCOPE)
endfunction()

foreach(capa ${capas})
  debajo(${capa} permitidas)
  set(prohibidas ${capas} ui)
  list(REMOVE_ITEM prohibidas ${capa} ${permitidas})
  file(GLOB_RECURSE archivos ${ROOT}/src/${capa}/*.h ${ROOT}/src/${capa}/*.cpp)
  foreach(f ${archivos})
    file(STRINGS ${f} qt REGEX "#include <Q")
    if(qt)
      message(FATAL_ERROR "${f} includes Qt: ${qt}")
    endif()
    foreach(otra ${prohibidas})
      file(STRINGS ${f} mal REGEX "#include \"(\\.\\./)*${otra}/")
      if(mal)
        message(FATAL_ERROR "${f} (layer ${capa}, built on: ${permitidas}) includes layer ${otra}: ${mal}")
      endif()
    endforeach()
  endforeach()
endforeach()
