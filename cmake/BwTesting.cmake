# Build options, GoogleTest, and the helpers every folder uses to declare its
# tests, fuzz targets and benchmarks. Included once from the top-level
# CMakeLists.txt, right after project().
#
#   bw_add_gtest(NAME <name> SOURCES <file>... [LIBS <lib>...]
#                [GUI] [NO_MAIN] [TIMEOUT <seconds>])
#   bw_add_fuzzer(NAME <name> SOURCES <file>... [LIBS <lib>...])
#   bw_add_benchmark(NAME <name> SOURCES <file>... [LIBS <lib>...])
#   bw_check_imports(<target>)
#
# Every executable lands directly in the build folder (build/<preset>/).

include_guard(GLOBAL)

set(BW_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})

option(BW_WERROR "Treat compiler warnings as errors (always on when CI is set)" OFF)
option(BW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(BW_BENCHMARKS "Define the bench_* targets (needs Google Benchmark)" OFF)

if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND NOT CMAKE_CROSSCOMPILING)
  set(_bw_fuzz_default ON)
else()
  set(_bw_fuzz_default OFF)
endif()
option(BW_FUZZ "Define the fuzz_* libFuzzer targets (clang only)" ${_bw_fuzz_default})
if(BW_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "BW_FUZZ needs clang; the compiler is ${CMAKE_CXX_COMPILER_ID}")
endif()

if(DEFINED ENV{CI} AND NOT "$ENV{CI}" MATCHES "^(|0|false|FALSE|no|NO)$")
  set(BW_WERROR ON)
endif()

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

set(_bw_c_cxx "$<COMPILE_LANGUAGE:C,CXX>")

# Sanitizers go on everything, GoogleTest included, so that containers and
# strings crossing between the test framework and our code are checked alike.
if(BW_SANITIZE)
  add_compile_options(
    "$<${_bw_c_cxx}:-fsanitize=address,undefined;-fno-sanitize-recover=all;-fno-omit-frame-pointer>")
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

# GoogleTest from the Debian sources, built by whichever toolchain this build
# uses. It is added before our warning flags: it is not our code to fix.
set(BW_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest source tree")
if(NOT EXISTS ${BW_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${BW_GTEST_SOURCE_DIR} (run scripts/setup)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${BW_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(BW_BENCHMARKS)
  find_package(benchmark REQUIRED)
  add_custom_target(bw_benchmarks)
endif()

# Our own code: coverage feedback for the fuzzers (the libraries under test
# need it, not only the fuzz entry points), then warnings.
if(BW_FUZZ)
  add_compile_options("$<${_bw_c_cxx}:-fsanitize=fuzzer-no-link>")
endif()
add_compile_options("$<${_bw_c_cxx}:-Wall;-Wextra>")
if(BW_WERROR)
  add_compile_options("$<${_bw_c_cxx}:-Werror>")
endif()

# Fails the build of a MinGW executable that would need a MinGW runtime DLL
# at run time. Wine would notice for win64 when the tests run, but nothing
# runs the win32 build, and that is the one we ship.
function(bw_check_imports target)
  if(NOT (WIN32 AND CMAKE_OBJDUMP))
    return()
  endif()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:${target}>
            -P ${BW_CMAKE_DIR}/BwCheckImports.cmake
    VERBATIM)
endfunction()

function(_bw_parse fn)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "${_bw_flags}" "NAME;TIMEOUT" "SOURCES;LIBS")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "${fn}: unknown arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT ARG_NAME)
    message(FATAL_ERROR "${fn}: NAME is required")
  endif()
  if(NOT ARG_SOURCES)
    message(FATAL_ERROR "${fn}(${ARG_NAME}): SOURCES is required")
  endif()
  foreach(v NAME TIMEOUT SOURCES LIBS ${_bw_flags})
    set(ARG_${v} "${ARG_${v}}" PARENT_SCOPE)
  endforeach()
endfunction()

# A GoogleTest executable <name>, registered as one ctest test. In the win64
# build ctest runs it under Wine (cmake/wine-run); in the win32 build it is
# built and linked but not registered, as nothing here can run it.
#   GUI      it opens windows: such tests take turns on the one X display
#   NO_MAIN  the sources bring their own main(); links gtest/gmock without gtest_main
#   TIMEOUT  seconds before ctest gives up on it (default 300)
# We register one test per executable rather than one per test case: every
# case would otherwise pay a Wine process start, and a failing executable's
# log still names each failing case.
function(bw_add_gtest)
  set(_bw_flags GUI NO_MAIN)
  _bw_parse(bw_add_gtest ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  if(ARG_NO_MAIN)
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  endif()
  bw_check_imports(${ARG_NAME})

  if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  if(ARG_GUI)
    set_tests_properties(${ARG_NAME} PROPERTIES RESOURCE_LOCK bw_display LABELS gui)
  endif()
  if(BW_SANITIZE)
    set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT
      "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1;UBSAN_OPTIONS=print_stacktrace=1")
  endif()
endfunction()

# A libFuzzer target fuzz_<name>; the sources define LLVMFuzzerTestOneInput.
# Only in a clang build (BW_FUZZ); elsewhere this does nothing.
# Seeds live in fuzz/corpus/<name>/ (optional). ctest replays them and runs a
# few thousand fixed-seed mutations (test fuzz_<name>_smoke), so an input that
# once crashed, saved there, keeps being checked; scripts/fuzz fuzzes for real.
function(bw_add_fuzzer)
  set(_bw_flags "")
  _bw_parse(bw_add_fuzzer ${ARGN})
  if(NOT BW_FUZZ)
    return()
  endif()
  set(t fuzz_${ARG_NAME})
  add_executable(${t} ${ARG_SOURCES})
  target_link_libraries(${t} PRIVATE ${ARG_LIBS})
  target_compile_options(${t} PRIVATE -fsanitize=fuzzer)
  target_link_options(${t} PRIVATE -fsanitize=fuzzer)
  add_test(NAME ${t}_smoke
    COMMAND ${CMAKE_COMMAND}
            -DFUZZER=$<TARGET_FILE:${t}>
            -DWORK=${CMAKE_BINARY_DIR}/fuzz-smoke/${ARG_NAME}
            -DSEEDS=${CMAKE_SOURCE_DIR}/fuzz/corpus/${ARG_NAME}
            -P ${BW_CMAKE_DIR}/BwFuzzSmoke.cmake)
  set_tests_properties(${t}_smoke PROPERTIES TIMEOUT 300 LABELS fuzz)
endfunction()

# A Google Benchmark executable bench_<name>; the sources end with
# BENCHMARK_MAIN() or their own main(). Only in the bench build
# (BW_BENCHMARKS); elsewhere this does nothing. Built by the target
# bw_benchmarks, run by scripts/bench.
function(bw_add_benchmark)
  set(_bw_flags "")
  _bw_parse(bw_add_benchmark ${ARGN})
  if(NOT BW_BENCHMARKS)
    return()
  endif()
  set(t bench_${ARG_NAME})
  add_executable(${t} ${ARG_SOURCES})
  target_link_libraries(${t} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  add_dependencies(bw_benchmarks ${t})
endfunction()
