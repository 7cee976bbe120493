# The Debian packages, made by `cpack -G DEB` in a build directory:
# - halvane (the Runtime component): the program, the games, the decks and the private
#   libraries in /usr/lib/halvane;
# - halvane-dev (the Development component): the headers, the CMake package and the
#   libraries' link-time names, for building a game plug-in against the installed kit.

set(CPACK_PACKAGE_NAME "halvane")
set(CPACK_PACKAGE_VENDOR "Halvane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop card table for patience games")
set(CPACK_PACKAGE_DESCRIPTION
    "Halvane is a full-screen card table for single-player patience games. It offers\
 a choice of decks with a live preview, eight card backs, a choice of games and a\
 background colour of your own. Games are plug-ins; Klondike, FreeCell, Spider, Yukon,\
 Golf, Pyramid, Forty Thieves, Baker's Dozen and Canfield come with the table.")
set(CPACK_PACKAGE_CONTACT "Halvane developers <dev@halvane.example>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "halvane")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Halvane developers <dev@halvane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://halvane.example")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
# Debian takes the summary above as every package's first description line.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME "halvane")
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# The Qt 6 runtime the programs link, the platform plug-ins a window needs, fontconfig
# (the program reads its configuration early), libdeflate (the larger deck pictures are
# inflated with it), and the font the cards' lettering and the
# menus use. Listed by hand: the engine and the plug-ins are
# private libraries of this package, which dpkg-shlibdeps cannot place.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS
    "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins (>= 6.4), libfontconfig1, libdeflate0, fonts-dejavu-core, libc6, libstdc++6")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME "halvane-dev")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION "devel")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION
    "The game kit for writing games for the table: the headers of the card engine and\
 of the kit, the CMake package (find_package(Halvane)) that builds a game plug-in in one\
 call, the guide writing-a-game.md and an example game.")
# The kit's headers include Qt's; the libraries themselves come with the table, of the
# very version the headers describe.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "halvane (= ${PROJECT_VERSION}), qt6-base-dev (>= 6.4)")

include(CPack)
