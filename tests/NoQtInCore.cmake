# Fails when a file of the game core includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/src/game/* ${ROOT}/src/modes/* ${ROOT}/src/levels/* ${ROOT}/src/progress/*)
foreach(f ${files})
  file(STRINGS ${f} lines REGEX "#include <Q")
  if(lines)
    message(FATAL_ERROR "${f} includes Qt: ${lines}")
  endif()
endforeach()
