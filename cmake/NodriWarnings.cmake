# Warnings are errors for our own code only; third-party headers come in as
# system headers and stay quiet.
function(nodri_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
      -Wold-style-cast -Woverloaded-virtual -Werror)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  endif()
endfunction()
