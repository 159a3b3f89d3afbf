# Runs the level checker on one series and writes the par of each level it can finish into the
# series' pars table (the medals are measured against it). Run by the build, never by hand:
#   cmake -DVERIFNIVEAU=<checker> -DSERIE=<folder of niveau<n>.dat> -DJEU=<game folder> -DSORTIE=<pars.dat> -P EcrirePars.cmake
foreach(v VERIFNIVEAU SERIE JEU SORTIE)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "EcrirePars.cmake: ${v} is not set")
  endif()
endforeach()

# The checker needs no display: it plays the levels on the match's rules alone.
execute_process(COMMAND ${VERIFNIVEAU} ${SERIE} WORKING_DIRECTORY ${JEU}
  OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs RESULT_VARIABLE code)

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
