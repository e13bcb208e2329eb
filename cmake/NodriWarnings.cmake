# Warnings are errors for our own code only; third-party headers come in as
# system headers and stay quiet.
function(nodri_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wnon-virtual-dtor
      -Wold-style-cast -Woverloaded-virtual -Werror)
    # GCC 12 reports string concatenation at -O2 and above as an overlapping
    # copy (a known false positive of its -Wrestrict).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX /utf-8)
  endif()
endfunction()
