# Warnings for our own targets (not for GLFW's sources or GoogleTest's).
function(tesselume_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TESSELUME_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
