# The CMake package a game author finds with find_package(Halvane): the imported targets
# Halvane::dorvik, Halvane::com, Halvane::gdi and Halvane::kit (cmake/HalvaneLibrary.cmake
# puts the libraries into the export set), Qt found as they need it, the function
# halvane_add_game, and a version check. Installed as part of the Development component.
include(CMakePackageConfigHelpers)

set(package_build_dir ${PROJECT_BINARY_DIR}/cmake/Halvane)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/HalvaneConfig.cmake.in
  ${package_build_dir}/HalvaneConfig.cmake
  INSTALL_DESTINATION ${HALVANE_CMAKE_SUBDIR})
# A 0.x kit may change between minor versions, so a game asks for its own.
write_basic_package_version_file(${package_build_dir}/HalvaneConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)

install(EXPORT HalvaneTargets NAMESPACE Halvane:: DESTINATION ${HALVANE_CMAKE_SUBDIR}
        COMPONENT Development)
install(FILES ${package_build_dir}/HalvaneConfig.cmake
              ${package_build_dir}/HalvaneConfigVersion.cmake
              ${PROJECT_SOURCE_DIR}/cmake/HalvaneGame.cmake
        DESTINATION ${HALVANE_CMAKE_SUBDIR} COMPONENT Development)

# What an author with only the package reads and starts from.
set(HALVANE_DOC_SUBDIR ${CMAKE_INSTALL_DATADIR}/doc/halvane-dev)
install(FILES ${PROJECT_SOURCE_DIR}/docs/writing-a-game.md DESTINATION ${HALVANE_DOC_SUBDIR}
        COMPONENT Development)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${HALVANE_DOC_SUBDIR}/examples
        COMPONENT Development)
