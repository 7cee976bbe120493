# halvane_add_game(<name> RULES <sources...> PLUGIN <sources...>)
#
# A game plug-in on the kit, in one call. Its rules are a static library, <name>_rules,
# so that tests drive them directly; the game object and the plug-in's root object live
# only in the module <name>, so that a test loading the plug-in sees one copy of them.
# The rules are position-independent, since the module links them.
#
# The same function serves Halvane's own tree and a game built against the installed
# package (find_package(Halvane), which brings this file along):
# - in the tree, the module lands in the build's plug-in folder and installs beside the
#   shipped games in lib/halvane/games, finding the private libraries one folder up;
# - against the package, it lands in the author's build folder and installs to
#   <prefix>/lib/halvane/games of the author's prefix, with a run path to the package's
#   private libraries wherever they are.
include_guard(GLOBAL)
include(GNUInstallDirs)

function(halvane_add_game name)
  cmake_parse_arguments(PARSE_ARGV 1 game "" "" "RULES;PLUGIN")
  add_library(${name}_rules STATIC ${game_RULES})
  target_link_libraries(${name}_rules PUBLIC Halvane::kit)
  set_target_properties(${name}_rules PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)

  add_library(${name} MODULE ${game_PLUGIN})
  target_link_libraries(${name} PRIVATE ${name}_rules)
  # The game object and the plug-in's root object are Qt objects; the root carries the
  # plug-in's metadata (its class id).
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  get_target_property(from_package Halvane::kit IMPORTED)
  if(from_package)
    set_target_properties(${name} PROPERTIES INSTALL_RPATH_USE_LINK_PATH ON)
    install(TARGETS ${name} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/halvane/games)
  else()
    set_target_properties(${name} PROPERTIES
      LIBRARY_OUTPUT_DIRECTORY ${HALVANE_BUILD_PLUGIN_DIR}
      INSTALL_RPATH "$ORIGIN/..")
    install(TARGETS ${name} LIBRARY DESTINATION ${HALVANE_PLUGIN_SUBDIR})
  endif()
endfunction()
