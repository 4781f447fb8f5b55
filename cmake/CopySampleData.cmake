# Copies the sample Lists/ and Projects/ folders into DST, each only where DST has none.
foreach(folder Lists Projects)
  if(NOT EXISTS "${DST}/${folder}")
    file(COPY "${SRC}/${folder}" DESTINATION "${DST}")
  endif()
endforeach()
