# Lays out the game folder: authored data is copied in, the player's own files
# (Data/Options.dat, Data/Clavier.dat, Niveaux/<d>/Scores.dat) are never touched.

# data/Lang -> Data/Lang, data/Niveaux -> Niveaux; copy_if_different keeps
# rebuilds cheap and leaves files that are not ours alone.
file(GLOB_RECURSE LEAPGRID_DATA_FILES CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/data/*)
set(LEAPGRID_DATA_OUTPUTS "")
foreach(rel IN LISTS LEAPGRID_DATA_FILES)
  if(rel MATCHES "^Lang/")
    set(dest ${LEAPGRID_GAME_DIR}/Data/${rel})
  else()
    set(dest ${LEAPGRID_GAME_DIR}/${rel})
  endif()
  add_custom_command(OUTPUT ${dest}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/data/${rel} ${dest}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${rel}
    COMMENT "Game folder: ${rel}" VERBATIM)
  list(APPEND LEAPGRID_DATA_OUTPUTS ${dest})
endforeach()

add_custom_target(game_data ALL DEPENDS ${LEAPGRID_DATA_OUTPUTS})
# The game writes its settings here, so the folder exists from the first build.
add_custom_command(TARGET game_data POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LEAPGRID_GAME_DIR}/Data)
add_dependencies(leapgrid game_data)
