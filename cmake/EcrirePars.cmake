# Runs the level checker on one series and writes the par of each level it can finish into the
# series' pars table (the medals are measured against it). Run by the build, never by hand:
#   cmake -DVERIFNIVEAU=<checker> -DSERIE=<folder of niveau<n>.dat> -DJEU=<game folder> -DSORTIE=<pars.dat> -P EcrirePars.cmake
foreach(v VERIFNIVEAU SERIE JEU SORTIE)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "EcrirePars.cmake: ${v} is not set")
  endif()
endforeach()

# The checker still opens a hidden window on some builds: without a display,
# it runs on a virtual one when xvfb-run is there.
# xvfb-run does not always wait until its server answers, and two builds
# started at once may pick the same display: the checker waits for its
# display to answer, and each try takes a display number of its own.
set(commande ${VERIFNIVEAU} ${SERIE})
set(virtuel OFF)
if("$ENV{DISPLAY}" STREQUAL "")
  find_program(XVFB_RUN xvfb-run)
  find_program(XDPYINFO xdpyinfo)
  if(XVFB_RUN AND XDPYINFO)
    set(virtuel ON)
  endif()
endif()
# A virtual display now and then fails to come up on a loaded machine: a
# run that found nothing at all is tried again.
foreach(essai 1 2 3)
  if(virtuel)
    string(RANDOM LENGTH 3 ALPHABET 123456789 ecran)
    set(commande ${XVFB_RUN} -n ${ecran} -s "-screen 0 640x480x24" sh ${CMAKE_CURRENT_LIST_DIR}/AttendreEcran.sh ${VERIFNIVEAU} ${SERIE})
  endif()
  execute_process(COMMAND ${commande} WORKING_DIRECTORY ${JEU}
    OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs RESULT_VARIABLE code)
  if(sortie MATCHES "finishable")
    break()
  endif()
endforeach()

# "<path>/niveau<n>.dat: finishable; par <s>.<hundredths> s of ..."; the
# semicolons would split CMake's lists.
string(REPLACE ";" "," sortie "${sortie}")
string(REGEX MATCHALL "niveau[0-9]+\\.dat: finishable, par [0-9]+\\.[0-9][0-9] s" trouves "${sortie}")
set(lignes "")
set(numeros "")
foreach(t IN LISTS trouves)
  string(REGEX REPLACE "^niveau([0-9]+)\\.dat: finishable, par ([0-9]+)\\.([0-9][0-9]) s$" "\\1;\\2;\\3" champs "${t}")
  list(GET champs 0 n)
  list(GET champs 1 secondes)
  list(GET champs 2 centiemes)
  math(EXPR ms "${secondes} * 1000 + ${centiemes} * 10")
  math(EXPR cle "${n} + 10000")  # sorts numerically as text
  list(APPEND lignes "${cle} ${n} ${ms}")
endforeach()
if(lignes STREQUAL "")
  message(FATAL_ERROR "The level checker gave no par for ${SERIE} (exit ${code}):\n${erreurs}${sortie}")
endif()
if(NOT code EQUAL 0)
  message(WARNING "Some levels of ${SERIE} cannot be finished: they get no par and no medal\n${sortie}")
endif()
list(SORT lignes)
set(texte "leapgrid pars 1\n")
foreach(l IN LISTS lignes)
  string(SUBSTRING "${l}" 6 -1 l)  # past the five-digit sort key
  string(APPEND texte "${l}\n")
endforeach()
file(WRITE ${SORTIE}.tmp "${texte}")
file(RENAME ${SORTIE}.tmp ${SORTIE})
