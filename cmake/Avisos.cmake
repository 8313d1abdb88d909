# Warning flags applied per target, so third-party code is never affected.
function(tornavela_avisos target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(TORNAVELA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
