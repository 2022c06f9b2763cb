# cmake -DFUZZER=<fuzz_x> -DWORK=<dir> -DSEEDS=<dir> -P BwFuzzSmoke.cmake
# Replays the saved seeds of one fuzz target, then runs a fixed number of
# mutations from a fixed random seed, so the run is the same every time.
# New inputs go to WORK (emptied first), never into the source tree.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
set(dirs ${WORK}/corpus)
if(IS_DIRECTORY ${SEEDS})
  list(APPEND dirs ${SEEDS})
endif()
execute_process(
  COMMAND ${FUZZER} -seed=1 -runs=4000 -timeout=20
          -artifact_prefix=${WORK}/artifacts/ ${dirs}
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(GLOB found ${WORK}/artifacts/*)
  message(FATAL_ERROR "${FUZZER} failed (${rc}); reproducer: ${found}")
endif()
