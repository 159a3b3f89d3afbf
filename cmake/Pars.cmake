# The medal table of each shipped series (Niveaux/<d>/pars.dat in the game folder): the par of
# each level, as the level checker finds it. Generated, never typed: made again whenever a level
# file of the series or the checker changes.
file(GLOB LEAPGRID_SERIES LIST_DIRECTORIES true RELATIVE ${CMAKE_SOURCE_DIR}/data/Niveaux
  CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Niveaux/*)
set(LEAPGRID_PARS "")
foreach(serie IN LISTS LEAPGRID_SERIES)
  if(NOT IS_DIRECTORY ${CMAKE_SOURCE_DIR}/data/Niveaux/${serie})
    continue()
  endif()
  file(GLOB niveaux CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Niveaux/${serie}/niveau*.dat
    ${CMAKE_SOURCE_DIR}/data/Niveaux/${serie}/serie.txt)
  set(table ${LEAPGRID_GAME_DIR}/Niveaux/${serie}/pars.dat)
  add_custom_command(OUTPUT ${table}
    COMMAND ${CMAKE_COMMAND} -DVERIFNIVEAU=$<TARGET_FILE:verifniveau>
      -DSERIE=${CMAKE_SOURCE_DIR}/data/Niveaux/${serie} -DJEU=${LEAPGRID_GAME_DIR} -DSORTIE=${table}
      -P ${CMAKE_SOURCE_DIR}/cmake/EcrirePars.cmake
    DEPENDS verifniveau ${niveaux} ${CMAKE_SOURCE_DIR}/cmake/EcrirePars.cmake
    COMMENT "Pars of series ${serie}, by the level checker" VERBATIM)
  list(APPEND LEAPGRID_PARS ${table})
  list(APPEND LEAPGRID_SERIES_PARS ${serie})
endforeach()
add_custom_target(game_pars ALL DEPENDS ${LEAPGRID_PARS})
# The checker plays the levels with the game's own art and data.
add_dependencies(game_pars game_art game_data)
add_dependencies(leapgrid game_pars)
