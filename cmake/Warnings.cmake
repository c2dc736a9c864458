# Applied to the project's own targets only; third-party headers come in as SYSTEM.
function(vantel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
endfunction()
