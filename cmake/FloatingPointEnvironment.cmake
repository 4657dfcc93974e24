# Our arithmetic faults are read from the processor's exception flags after a computation
# (core/fp_faults.h), so the compilers must neither fold an operation at compile time, nor move
# it past a flag read, nor drop one whose only effect is a raised flag. clang says so with
# -ffp-exception-behavior=strict (FENV_ACCESS for the whole unit). g++ 12 does not implement
# FENV_ACCESS; -frounding-math and -ftrapping-math are its nearest: operations stay at run time
# and keep their effect on the flags.
#
#   vaneko_fp_environment(TARGET PUBLIC|PRIVATE)
function(vaneko_fp_environment target scope)
  target_compile_options(${target} ${scope}
    $<$<CXX_COMPILER_ID:Clang>:-ffp-exception-behavior=strict>
    $<$<CXX_COMPILER_ID:GNU>:-frounding-math -ftrapping-math>)
endfunction()
