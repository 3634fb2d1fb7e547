# Installing the game like any desktop program, and its Debian package (cpack -G DEB):
#   bin/zelka-kvadra
#   lib/zelka-kvadra/zelka-kvadra-sound.so  the sound module, loaded when a sound plays
#   share/zelka-kvadra/                     language files, documents, sounds
#   share/applications/<id>.desktop         the application menu entry
#   share/metainfo/<id>.metainfo.xml        the software-centre description
#   share/icons/hicolor/scalable/apps/<id>.svg and .../<N>x<N>/apps/<id>.png
include(GNUInstallDirs)

set(ZK_APP_ID hu.zelkakvadra.ZelkaKvadra)
set(ZK_SHIPPED_DATA_DIR ${CMAKE_INSTALL_DATADIR}/zelka-kvadra)
# The program finds the shipped files relative to its own folder, so an installation
# can be moved (a temporary prefix, a package unpacked anywhere).
file(RELATIVE_PATH ZK_SHIPPED_DATA_FROM_PROGRAM
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ZK_SHIPPED_DATA_DIR})
target_compile_definitions(zk_app PRIVATE ZK_SHIPPED_DATA_FROM_PROGRAM="${ZK_SHIPPED_DATA_FROM_PROGRAM}")
set(ZK_MODULE_DIR ${CMAKE_INSTALL_LIBDIR}/zelka-kvadra)
file(RELATIVE_PATH ZK_MODULES_FROM_PROGRAM
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${ZK_MODULE_DIR})
set(ZK_PROGRAM_DEFINITIONS ZK_APP_ID="${ZK_APP_ID}" ZK_MODULES_FROM_PROGRAM="${ZK_MODULES_FROM_PROGRAM}")
target_compile_definitions(zelka-kvadra PRIVATE ${ZK_PROGRAM_DEFINITIONS})

install(TARGETS zelka-kvadra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS zelka-kvadra-sound LIBRARY DESTINATION ${ZK_MODULE_DIR})
# Everything in data/ is delivered with the game, as ./scripts/play.sh copies it.
file(GLOB ZK_SHIPPED_FILES LIST_DIRECTORIES false CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/*)
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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelka-kvadra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zelka-Kvadra developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sliding-tile puzzle with coloured balls and numbered tiles")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Yes / No / Cancel in Hungarian on the message boxes.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_STRIP_FILES ON)
include(CPack)
