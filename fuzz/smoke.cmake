# Runs one harness RUNS times from its seed corpus SEEDS with a fixed random
# seed, so that the run repeats exactly. The inputs it finds go to WORK, never
# into the seed corpus; an input that breaks a property, or takes over 20 s,
# is saved there too.
#   cmake -DHARNESS=<harness> -DRUNS=<n> -DSEEDS=<dir> -DWORK=<dir> -P smoke.cmake

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
execute_process(COMMAND ${HARNESS} -runs=${RUNS} -seed=1 -timeout=20 -print_final_stats=1 -artifact_prefix=${WORK}/
                        ${WORK}/corpus ${SEEDS}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${HARNESS} ended with ${result}; the input that broke it is in ${WORK}")
endif()
