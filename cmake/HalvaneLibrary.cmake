# halvane_private_library(<target> NAME <name> HEADERS <headers...>)
#
# One of the table's private shared libraries (dorvik, halvane_com, halvane_gdi,
# halvane_kit), as the program, the games and a game author's build all see it:
# - the target answers to Halvane::<name> here as in the installed CMake package, whose
#   export set HalvaneTargets it joins (cmake/HalvanePackage.cmake installs it);
# - it lands in lib/halvane, in the build tree as in the install, and finds its fellow
#   libraries beside itself;
# - `HEADERS` are the headers a game needs, installed below include/halvane at their
#   place in the source tree, so that their own "engine/...", "platform/..." and
#   "games/kit/..." includes hold there too.
# The library, with its soname link, belongs to the table (Runtime); the headers and the
# link-time name to the Development component.
function(halvane_private_library target)
  cmake_parse_arguments(PARSE_ARGV 1 lib "" "NAME" "HEADERS")
  add_library(Halvane::${lib_NAME} ALIAS ${target})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${HALVANE_INCLUDE_SUBDIR}>)
  # The headers use C++20 (defaulted comparisons), so a game built on them needs it too.
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${lib_NAME} INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} EXPORT HalvaneTargets
    LIBRARY DESTINATION ${HALVANE_LIB_SUBDIR} COMPONENT Runtime
            NAMELINK_COMPONENT Development)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  install(FILES ${lib_HEADERS} DESTINATION ${HALVANE_INCLUDE_SUBDIR}/${folder}
          COMPONENT Development)
endfunction()
