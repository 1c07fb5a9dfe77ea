# Builds for finding memory and undefined-behaviour faults, each in a build
# tree of its own (scripts/test --hardening sets them up):
#   STERNWERK_SANITIZE  every target with AddressSanitizer and
#                       UndefinedBehaviorSanitizer, including the check of
#                       float-to-integer conversions that gcc leaves out of
#                       "undefined"; any report ends the program, and any
#                       compiler warning fails the build.
#   STERNWERK_FUZZ      the libFuzzer targets in fuzz/ (clang only), with the
#                       libraries they test instrumented for coverage.
option(STERNWERK_SANITIZE "Build every target with AddressSanitizer and UBSan" OFF)
option(STERNWERK_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

set(STERNWERK_SANITIZER_FLAGS
  -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
  -fno-sanitize-recover=undefined,float-cast-overflow)

if(STERNWERK_SANITIZE)
  add_compile_options(${STERNWERK_SANITIZER_FLAGS} -Werror)
  add_link_options(${STERNWERK_SANITIZER_FLAGS})
endif()

if(STERNWERK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "STERNWERK_FUZZ needs clang (libFuzzer), e.g. CXX=clang++-14")
  endif()
  # Coverage instrumentation for everything; only the fuzz targets link the
  # fuzzer's own main().
  add_compile_options(-fsanitize=fuzzer-no-link ${STERNWERK_SANITIZER_FLAGS})
  add_link_options(${STERNWERK_SANITIZER_FLAGS})
endif()
