# The fuzz targets (fuzz/) replayed over their seed corpus by CTest, a second or so each.
# In a build made with -DLEAPGRID_FUZZ=ON (clang) they are this build's own targets; otherwise
# they are built apart with clang, AddressSanitizer and UBSan in build/fuzz.
option(LEAPGRID_FUZZ_REJEU "Replay every fuzz target over its corpus in the test suite" ON)
if(NOT LEAPGRID_FUZZ_REJEU)
  return()
endif()

set(LEAPGRID_DOSSIER_FUZZ ${CMAKE_BINARY_DIR}/fuzz)
if(NOT LEAPGRID_FUZZ)
  find_program(LEAPGRID_CLANGXX NAMES clang++ clang++-14)
  if(NOT LEAPGRID_CLANGXX)
    message(WARNING "clang++ not found (scripts/setup.sh installs it): the fuzz corpus is not replayed")
    return()
  endif()
  include(ExternalProject)
  ExternalProject_Add(fuzz_cibles
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
    BINARY_DIR ${LEAPGRID_DOSSIER_FUZZ}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${LEAPGRID_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
               -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)
endif()

foreach(cible tga md2 wav niveau options clavier lang scores records pars rejeu verifserie)
  add_test(NAME fuzz.${cible}
    COMMAND sh ${CMAKE_SOURCE_DIR}/fuzz/rejouer.sh ${LEAPGRID_DOSSIER_FUZZ}/fuzz_${cible} ${cible} ${LEAPGRID_GAME_DIR})
  set_tests_properties(fuzz.${cible} PROPERTIES LABELS fuzz
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endforeach()
