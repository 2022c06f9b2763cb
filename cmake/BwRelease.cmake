# What the shipped executables need from the build beyond compiling them:
# the version, written where the resource script and scripts/release read
# it, and the flags that make two builds of one commit give the same bytes.
# Included once from the top-level CMakeLists.txt, after project().

include_guard(GLOBAL)

# project(VERSION) is the one definition. The resource script needs the
# numbers and the "1, 0, 0, 1" text (the form the About dialog parses);
# scripts/release needs the dotted form for the zip's name.
if(PROJECT_VERSION_TWEAK STREQUAL "")
  message(FATAL_ERROR "project(VERSION) needs four numbers, as the version resource has; it is ${PROJECT_VERSION}")
endif()
set(BW_VERSION_RC_TEXT
  "${PROJECT_VERSION_MAJOR}, ${PROJECT_VERSION_MINOR}, ${PROJECT_VERSION_PATCH}, ${PROJECT_VERSION_TWEAK}")
set(BW_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/BwVersion.h.in ${BW_GENERATED_DIR}/BwVersion.h @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/version.txt "${PROJECT_VERSION}\n")

# Reproducible Windows executables. ld writes the link time into the PE
# header unless told not to; __FILE__ (assertions, GoogleTest's messages)
# and any debug information would carry the folder the build ran in. Paths
# below the build folder become build/..., the rest of the source tree ./...
# (GCC tries the prefix maps given last first, so the build folder, which
# lies inside the source tree, comes second.)
if(WIN32)
  add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")
  add_link_options(-Wl,--no-insert-timestamp)
  # The MinGW runtime's static libraries bring their own debug information
  # (with the paths of the machine that built them); nobody debugs the
  # release with it, and it doubles the download.
  add_link_options($<$<CONFIG:Release>:-s>)
endif()
