# halvane_add_game(<name> RULES <sources...> PLUGIN <sources...>)
#
# A game plug-in on the kit. Its rules are a static library, <name>_rules, so that tests
# drive them directly; the game object and the plug-in's root object live only in the
# module <name>, so that a test loading the plug-in sees one copy of them. The rules are
# position-independent, since the module links them. The module lands in the plug-in
# folder of the build tree and of the install.
function(halvane_add_game name)
  cmake_parse_arguments(PARSE_ARGV 1 game "" "" "RULES;PLUGIN")
  add_library(${name}_rules STATIC ${game_RULES})
  target_link_libraries(${name}_rules PUBLIC halvane_kit)
  set_target_properties(${name}_rules PROPERTIES POSITION_INDEPENDENT_CODE ON AUTOMOC OFF)

  add_library(${name} MODULE ${game_PLUGIN})
  target_link_libraries(${name} PRIVATE ${name}_rules)
  set_target_properties(${name} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${HALVANE_BUILD_PLUGIN_DIR}
    INSTALL_RPATH "$ORIGIN/../..")
  install(TARGETS ${name} LIBRARY DESTINATION ${HALVANE_PLUGIN_SUBDIR})
  set_property(GLOBAL APPEND PROPERTY HALVANE_GAMES ${name})
endfunction()
