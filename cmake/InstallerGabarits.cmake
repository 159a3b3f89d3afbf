# Run by cmake --install and cpack: writes the menu entry and the manual page
# with the paths of this installation, then installs them.
set(installes "${LEAPGRID_BINAIRE}/installe")
# One folder per destination, so that two installations at once do not mix.
string(MD5 cle "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(installes "${installes}/${cle}")
set(LEAPGRID_EXEC "${CMAKE_INSTALL_PREFIX}/${LEAPGRID_INSTALL_JEUX}/leapgrid")
set(LEAPGRID_DONNEES "${CMAKE_INSTALL_PREFIX}/${LEAPGRID_INSTALL_DONNEES}")
configure_file("${LEAPGRID_SOURCE}/dist/${LEAPGRID_ID}.desktop.in" "${installes}/${LEAPGRID_ID}.desktop" @ONLY)
configure_file("${LEAPGRID_SOURCE}/dist/leapgrid.6" "${installes}/leapgrid.6" @ONLY)
# Debian wants manual pages compressed, without name or date in the header.
execute_process(COMMAND gzip -9nf "${installes}/leapgrid.6" RESULT_VARIABLE statut)
if(NOT statut EQUAL 0)
  message(FATAL_ERROR "gzip failed on the manual page")
endif()
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${LEAPGRID_INSTALL_DATADIR}/applications"
  TYPE FILE FILES "${installes}/${LEAPGRID_ID}.desktop")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${LEAPGRID_INSTALL_MANDIR}/man6"
  TYPE FILE FILES "${installes}/leapgrid.6.gz")
file(REMOVE_RECURSE "${installes}")
