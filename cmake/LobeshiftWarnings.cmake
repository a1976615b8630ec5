# Our own targets compile with warnings on and kept clean: a warning fails the build
# (LOBESHIFT_WERROR, on by default). Third-party code does not count.
option(LOBESHIFT_WERROR "Treat warnings in our own code as errors" ON)
function(lobeshift_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${LOBESHIFT_WERROR}>:-Werror>)
endfunction()
