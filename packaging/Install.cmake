# SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing the game like any desktop game, and its Debian package (cpack -G DEB):
#   games/zelka-kvadra                      the program (/usr/games in the package)
#   lib/games/zelka-kvadra/zelka-kvadra-sound.so  the sound module, loaded when a sound plays
#   lib/games/zelka-kvadra/zelka-kvadra-chart.so  the chart module, loaded when a progress chart shows
#   lib/games/zelka-kvadra/zelka-kvadra-print.so  the print module, loaded when the player first prints
#   share/zelka-kvadra/                     language files, documents, sounds
#   share/man/man6/zelka-kvadra.6.gz        the manual page (and share/man/hu/man6/)
#   share/doc/zelka-kvadra/                 copyright, changelog.gz
#   share/applications/<id>.desktop         the application menu entry
#   share/metainfo/<id>.metainfo.xml        the software-centre description
#   share/icons/hicolor/scalable/apps/<id>.svg and .../<N>x<N>/apps/<id>.png
include(GNUInstallDirs)

set(ZK_APP_ID hu.zelkakvadra.ZelkaKvadra)
# A game's program goes to games/, beside the bin/ of other programs.
set(ZK_PROGRAM_DIR games)
set(ZK_SHIPPED_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zelka-kvadra)
# The program finds the shipped files relative to its own folder, so an installation
# can be moved (a temporary prefix, a package unpacked anywhere).
file(RELATIVE_PATH ZK_SHIPPED_DATA_FROM_PROGRAM
     ${CMAKE_INSTALL_PREFIX}/${ZK_PROGRAM_DIR} ${CMAKE_INSTALL_PREFIX}/${ZK_SHIPPED_DATA_DIR})
target_compile_definitions(zk_app PRIVATE ZK_SHIPPED_DATA_FROM_PROGRAM="${ZK_SHIPPED_DATA_FROM_PROGRAM}")
# The modules are private to the game: they lie outside the folders the dynamic
# linker searches, so installing them needs no ldconfig run.
set(ZK_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/games/zelka-kvadra)
file(RELATIVE_PATH ZK_MODULES_FROM_PROGRAM
     ${CMAKE_INSTALL_PREFIX}/${ZK_PROGRAM_DIR} ${CMAKE_INSTALL_PREFIX}/${ZK_MODULE_DIR})
set(ZK_PROGRAM_DEFINITIONS ZK_APP_ID="${ZK_APP_ID}" ZK_MODULES_FROM_PROGRAM="${ZK_MODULES_FROM_PROGRAM}")
target_compile_definitions(zelka-kvadra PRIVATE ${ZK_PROGRAM_DEFINITIONS})
# The windows find the modules (ui/gui/ModulePaths) from the program's folder too.
target_compile_definitions(zk_gui PRIVATE ZK_MODULES_FROM_PROGRAM="${ZK_MODULES_FROM_PROGRAM}")

install(TARGETS zelka-kvadra RUNTIME DESTINATION ${ZK_PROGRAM_DIR})
install(TARGETS zelka-kvadra-sound zelka-kvadra-chart zelka-kvadra-print LIBRARY DESTINATION ${ZK_MODULE_DIR})
# Everything in data/ is delivered with the game, as ./scripts/play.sh copies it
# (hidden files such as .keep are not).
file(GLOB ZK_SHIPPED_FILES LIST_DIRECTORIES false CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
list(FILTER ZK_SHIPPED_FILES EXCLUDE REGEX "/\\.[^/]*$")
install(FILES ${ZK_SHIPPED_FILES} DESTINATION ${ZK_SHIPPED_DATA_DIR})

set(ZK_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
install(FILES ${ZK_PACKAGING}/${ZK_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZK_PACKAGING}/${ZK_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(ZK_ICON_SVG ${ZK_PACKAGING}/${ZK_APP_ID}.svg)
install(FILES ${ZK_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The fixed-size icons are rendered from the scalable one when the game is built.
find_program(ZK_RSVG_CONVERT rsvg-convert)
if(ZK_RSVG_CONVERT)
    set(ZK_ICON_PNGS)
    foreach(size 16 22 24 32 48 64 128 256)
        set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${ZK_APP_ID}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
            COMMAND ${ZK_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${ZK_ICON_SVG}
            DEPENDS ${ZK_ICON_SVG} VERBATIM)
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        list(APPEND ZK_ICON_PNGS ${png})
    endforeach()
    add_custom_target(zk_icons ALL DEPENDS ${ZK_ICON_PNGS})
else()
    message(WARNING "rsvg-convert (Debian package librsvg2-bin) not found: "
                    "only the scalable icon is installed")
endif()

# The manual pages and the changelog are installed compressed, as man and the
# package tools expect them; -n leaves out the name and time, so that a rebuild
# gives the same bytes.
set(ZK_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/zelka-kvadra)
set(ZK_COMPRESSED_DOCS)
function(zk_install_compressed source destination)
    cmake_path(GET source FILENAME name)
    cmake_path(RELATIVE_PATH destination BASE_DIRECTORY ${CMAKE_INSTALL_DATADIR} OUTPUT_VARIABLE build_subdir)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${build_subdir}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/${build_subdir}
        COMMAND gzip -9n -c ${source} > ${compressed}
        DEPENDS ${source} VERBATIM)
    install(FILES ${compressed} DESTINATION ${destination})
    set(ZK_COMPRESSED_DOCS ${ZK_COMPRESSED_DOCS} ${compressed} PARENT_SCOPE)
endfunction()
zk_install_compressed(${ZK_PACKAGING}/man/zelka-kvadra.6 ${CMAKE_INSTALL_MANDIR}/man6)
zk_install_compressed(${ZK_PACKAGING}/man/hu/zelka-kvadra.6 ${CMAKE_INSTALL_MANDIR}/hu/man6)
zk_install_compressed(${ZK_PACKAGING}/changelog ${ZK_DOC_DIR})
add_custom_target(zk_docs ALL DEPENDS ${ZK_COMPRESSED_DOCS})
install(FILES ${ZK_PACKAGING}/copyright DESTINATION ${ZK_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelka-kvadra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zelka-Kvadra developers <zelka-kvadra@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sliding-tile puzzle with coloured balls and numbered tiles")
# The extended description: lines of at most 76 characters (a package tool indents
# them), an empty line between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [[
Zelka-Kvadra is a single-player sliding-tile puzzle. Coloured balls or
numbered tiles fill a 4 x 4, 5 x 5 or 6 x 6 board inside a ring of wall
cells. Open a few cells of the ring, then slide the tiles one at a time, by
mouse or keyboard, until the board shows the target: number order, diagonal
colour bands, one colour per row or column, a painted target map, or a
two-stage rearrangement. In the Pendoly mode whole rows rotate.

Steps and time are counted and every result is kept per player, with a
results browser, statistics and printable lists; the results and the
statistics can also be printed from the command line. A symbol on each
colour helps players who cannot tell the colours apart. The texts are in
Hungarian and English.
]])
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Yes / No / Cancel in Hungarian on the message boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
