# VANTREL_SANITIZE builds every target with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer. The first report stops the program with a failure, so a test that
# merely prints one cannot pass. The frame pointers keep the reports' stacks whole.
if(NOT VANTREL_SANITIZE)
    return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL GNU)
    message(FATAL_ERROR "VANTREL_SANITIZE is set up for gcc; this is ${CMAKE_CXX_COMPILER_ID}")
endif()
set(vantrel_sanitize_flags
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${vantrel_sanitize_flags})
add_link_options(${vantrel_sanitize_flags})
