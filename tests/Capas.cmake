# The layers of src/, lowest first: a file includes its own layer and those
# below it, never one above; no layer of the game includes Qt (the window,
# src/ui, sits on top of them all). The build already refuses an upward
# include where the system can make each layer's include root; this check
# holds everywhere, relative paths included.
set(capas game modes levels progress motor jugador replay)
list(LENGTH capas n)
math(EXPR ultima "${n} - 1")
foreach(i RANGE ${ultima})
  list(GET capas ${i} capa)
  list(SUBLIST capas ${i} -1 prohibidas)
  list(REMOVE_AT prohibidas 0)
  file(GLOB_RECURSE archivos ${ROOT}/src/${capa}/*.h ${ROOT}/src/${capa}/*.cpp)
  foreach(f ${archivos})
    file(STRINGS ${f} qt REGEX "#include <Q")
    if(qt)
      message(FATAL_ERROR "${f} includes Qt: ${qt}")
    endif()
    foreach(arriba ${prohibidas} ui)
      file(STRINGS ${f} mal REGEX "#include \"(\\.\\./)*${arriba}/")
      if(mal)
        message(FATAL_ERROR "${f} (layer ${capa}) includes the layer above it, ${arriba}: ${mal}")
      endif()
    endforeach()
  endforeach()
endforeach()
