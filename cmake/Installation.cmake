# System-wide installation (cmake --install, and the Debian package built from debian/ by ./package.sh).
#   <prefix>/games/leapgrid               the executable
#   <prefix>/share/leapgrid/              the game folder, read-only (and Captures/, the screenshots)
#   <prefix>/share/applications, icons/hicolor, metainfo, man/man6
include(GNUInstallDirs)

set(LEAPGRID_INSTALL_JEUX games CACHE STRING "Folder of the executable, under the prefix")
set(LEAPGRID_INSTALL_DONNEES ${CMAKE_INSTALL_DATADIR}/leapgrid)
if(IS_ABSOLUTE "${LEAPGRID_INSTALL_JEUX}" OR IS_ABSOLUTE "${LEAPGRID_INSTALL_DONNEES}")
  message(FATAL_ERROR "The executable and data folders must be relative to the prefix")
endif()
# The executable finds its data by this path from its own folder, under any prefix.
file(RELATIVE_PATH LEAPGRID_DONNEES_RELATIF
  /prefixe/${LEAPGRID_INSTALL_JEUX} /prefixe/${LEAPGRID_INSTALL_DONNEES})
set_property(SOURCE app/DossierJeu.cpp APPEND PROPERTY
  COMPILE_DEFINITIONS LEAPGRID_DONNEES_RELATIF="${LEAPGRID_DONNEES_RELATIF}")

install(TARGETS leapgrid RUNTIME DESTINATION ${LEAPGRID_INSTALL_JEUX})

# The game folder: the authored data laid out as in build/game (data/Lang ->
# Data/Lang, every other folder of data/ as it is), then the generated art and
# sounds. The player's own files are never part of it.
file(GLOB LEAPGRID_DOSSIERS_DATA LIST_DIRECTORIES true RELATIVE ${CMAKE_SOURCE_DIR}/data
  CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
foreach(dossier IN LISTS LEAPGRID_DOSSIERS_DATA)
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/data/${dossier})
    set(destination ${LEAPGRID_INSTALL_DONNEES})
    if(dossier STREQUAL "Lang")
      set(destination ${LEAPGRID_INSTALL_DONNEES}/Data)
    endif()
    install(DIRECTORY data/${dossier} DESTINATION ${destination}
      PATTERN "Scores.dat" EXCLUDE PATTERN "*.tmp*" EXCLUDE)
  endif()
endforeach()
install(DIRECTORY ${LEAPGRID_GAME_DIR}/Images ${LEAPGRID_GAME_DIR}/Objets
  ${LEAPGRID_GAME_DIR}/Musiques ${LEAPGRID_GAME_DIR}/Sons
  DESTINATION ${LEAPGRID_INSTALL_DONNEES})

# Desktop icons, drawn by our art generator.
set(LEAPGRID_ICONES ${CMAKE_BINARY_DIR}/icones)
set(LEAPGRID_TAILLES_ICONES 48 64 128)
set(LEAPGRID_FICHIERS_ICONES ${LEAPGRID_ICONES}/leapgrid.svg)
foreach(taille IN LISTS LEAPGRID_TAILLES_ICONES)
  list(APPEND LEAPGRID_FICHIERS_ICONES ${LEAPGRID_ICONES}/leapgrid-${taille}.png)
  install(FILES ${LEAPGRID_ICONES}/leapgrid-${taille}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps RENAME leapgrid.png)
endforeach()
install(FILES ${LEAPGRID_ICONES}/leapgrid.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
add_custom_command(OUTPUT ${LEAPGRID_FICHIERS_ICONES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LEAPGRID_ICONES}
  COMMAND genart --icones ${LEAPGRID_ICONES}
  DEPENDS genart
  COMMENT "Drawing the desktop icons" VERBATIM)
add_custom_target(icones ALL DEPENDS ${LEAPGRID_FICHIERS_ICONES})

# The game's own screenshots, for the software centres: a scripted run of the
# built game on a virtual display (scripts/captures.sh, dist/captures.script),
# the same pictures at every build. The metainfo names them at the project's
# web address, where software centres fetch them; the package ships them too.
set(LEAPGRID_CAPTURES ${CMAKE_BINARY_DIR}/captures)
set(LEAPGRID_FICHIERS_CAPTURES ${LEAPGRID_CAPTURES}/leapgrid-1.png ${LEAPGRID_CAPTURES}/leapgrid-2.png
  ${LEAPGRID_CAPTURES}/leapgrid-3.png)
add_custom_command(OUTPUT ${LEAPGRID_FICHIERS_CAPTURES}
  COMMAND sh ${CMAKE_SOURCE_DIR}/scripts/captures.sh ${LEAPGRID_GAME_DIR} ${LEAPGRID_CAPTURES}
  DEPENDS leapgrid game_art game_sons game_data ${CMAKE_BINARY_DIR}/art.stamp ${CMAKE_BINARY_DIR}/sons.stamp
    ${CMAKE_SOURCE_DIR}/scripts/captures.sh ${CMAKE_SOURCE_DIR}/dist/captures.script
  COMMENT "Taking the game's screenshots" VERBATIM)
add_custom_target(captures ALL DEPENDS ${LEAPGRID_FICHIERS_CAPTURES})
install(FILES ${LEAPGRID_FICHIERS_CAPTURES} DESTINATION ${LEAPGRID_INSTALL_DONNEES}/Captures)

set(LEAPGRID_ID org.leapgrid.Leapgrid)
configure_file(dist/${LEAPGRID_ID}.metainfo.xml ${CMAKE_BINARY_DIR}/${LEAPGRID_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${LEAPGRID_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The menu entry and the manual page name the installed paths, known only at
# install time (cpack installs under /usr whatever the configured prefix).
install(CODE "
  set(LEAPGRID_SOURCE \"${CMAKE_SOURCE_DIR}\")
  set(LEAPGRID_BINAIRE \"${CMAKE_BINARY_DIR}\")
  set(LEAPGRID_ID \"${LEAPGRID_ID}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  set(LEAPGRID_INSTALL_JEUX \"${LEAPGRID_INSTALL_JEUX}\")
  set(LEAPGRID_INSTALL_DONNEES \"${LEAPGRID_INSTALL_DONNEES}\")
  set(LEAPGRID_INSTALL_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  set(LEAPGRID_INSTALL_MANDIR \"${CMAKE_INSTALL_MANDIR}\")")
install(SCRIPT cmake/InstallerGabarits.cmake)
