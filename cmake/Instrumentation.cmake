# Instrumented builds, each in a build folder of its own (scripts/sanitize, scripts/fuzz).
#   QL_SANITIZE: everything, tests included, under AddressSanitizer and UndefinedBehaviorSanitizer.
#   QL_FUZZ:     the libraries with libFuzzer's coverage (and both sanitizers) and the fuzzers of
#                tests/reliability/fuzz; needs clang.
option(QL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QL_FUZZ "Build the libFuzzer fuzzers (clang only)" OFF)

if(QL_SANITIZE OR QL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(QL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "QL_FUZZ needs clang (scripts/fuzz configures clang++-15)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
