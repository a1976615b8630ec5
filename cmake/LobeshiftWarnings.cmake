# Our own targets compile with warnings on and kept clean; third-party code does not.
function(lobeshift_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
