# qorvexctl_add_test(<name> <sources...>)
# One GoogleTest program per subsystem, linked with the library; every TEST becomes a CTest
# test (discovered when ctest runs, so sanitizer builds do not run binaries at build time).
# With QORVEXCTL_WHOLE_TEST_PROGRAMS each program is one CTest test instead: under the
# sanitizers a process costs about half a second to start, which over a thousand tests is
# longer than the tests themselves.
# Test programs cost far more to compile than to run: they are built without optimisation and
# share one precompiled GoogleTest header; the library under test keeps the build type's flags.
function(qorvexctl_add_test name)
  if(NOT QORVEXCTL_TESTS)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE qorvexctl qorvexctl_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_options(${name} PRIVATE -O0)
  target_precompile_headers(${name} REUSE_FROM qorvexctl_test_pch)
  set(environment "QORVEXCTL_TESTDATA=${CMAKE_SOURCE_DIR}/../shared/testdata;QORVEXCTL_LOCALE=")
  if(QORVEXCTL_WHOLE_TEST_PROGRAMS)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
  else()
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
      PROPERTIES ENVIRONMENT "${environment}")
  endif()
endfunction()

# qorvexctl_add_bench(<name> <sources...>)
function(qorvexctl_add_bench name)
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE qorvexctl benchmark::benchmark benchmark::benchmark_main)
endfunction()

# qorvexctl_add_fuzzer(<name> <source>)
# With QORVEXCTL_FUZZ (clang) a libFuzzer binary; otherwise a replay program that feeds every
# file of the corpus folder through the target. Either way CTest runs the corpus once, so every
# seed and every past finding is checked in every tree. `fuzzers` builds them all.
function(qorvexctl_add_fuzzer name source corpus_dir)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE qorvexctl)
  if(NOT TARGET fuzzers)
    add_custom_target(fuzzers)
  endif()
  add_dependencies(fuzzers ${name})
  if(QORVEXCTL_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set(replay ${name} -runs=0 ${corpus_dir})
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    set(replay ${name} ${corpus_dir})
  endif()
  if(QORVEXCTL_TESTS)
    add_test(NAME ${name}_replay COMMAND ${replay})
  endif()
endfunction()

# qorvexctl_embed_resource(<target> <symbol> <file>)
# Compiles <file> into <target> as `extern const unsigned char <symbol>[]` and
# `extern const std::size_t <symbol>_size`, declared in qorvexctl/base/Resource.h style headers.
function(qorvexctl_embed_resource target symbol file)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${file} -DOUTPUT=${out} -DSYMBOL=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    VERBATIM)
  # The rule lives in this directory; a target made elsewhere (the library is made at the top)
  # reaches it through a custom target of this directory.
  add_custom_target(embed_${symbol} DEPENDS ${out})
  add_dependencies(${target} embed_${symbol})
  target_sources(${target} PRIVATE ${out})
endfunction()
