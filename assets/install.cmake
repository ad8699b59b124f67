# An installed game keeps to one folder of its own, lib/gibbetry: the program, its sounds and,
# once it has run where the player may write, Settings. bin/gibbetry (games/ in a Debian package)
# points there, and the desktop finds it through its entry, icons and AppStream description.
# Every installed file is listed in the build folder's install_manifest.txt, so that it can be
# removed again; Settings, which the game writes, is not.
set(app_id example.gibbetry.Gibbetry)
set(game_dir lib/gibbetry)
set(GIBBETRY_COMMAND_DIR bin CACHE STRING "Where the gibbetry command goes (games for Debian)")
set(command_dir ${GIBBETRY_COMMAND_DIR})

install(TARGETS gibbetry RUNTIME DESTINATION ${game_dir})
install(TARGETS gibbetry_sound LIBRARY DESTINATION ${game_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/win.wav ${CMAKE_CURRENT_LIST_DIR}/lose.wav
              ${CMAKE_CURRENT_LIST_DIR}/hit.wav ${CMAKE_CURRENT_LIST_DIR}/miss.wav
        DESTINATION ${game_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon.png
        DESTINATION share/icons/hicolor/32x32/apps RENAME ${app_id}.png)
foreach(size 48 64 128 256)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon-${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${app_id}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/gibbetry.6 DESTINATION share/man/man6)

# The entry names the installed program, and the command links to it: both are known only when
# installing, and are made in the build folder first so that the install lists them.
set(staged ${CMAKE_BINARY_DIR}/install-staged)
install(CODE "
    set(game \"\${CMAKE_INSTALL_PREFIX}/${game_dir}/gibbetry\")
    configure_file(\"${CMAKE_CURRENT_LIST_DIR}/${app_id}.desktop.in\"
                   \"${staged}/${app_id}.desktop\" @ONLY)
    file(MAKE_DIRECTORY \"${staged}/${command_dir}\")
    file(CREATE_LINK ../${game_dir}/gibbetry \"${staged}/${command_dir}/gibbetry\" SYMBOLIC)
    file(INSTALL \"${staged}/${app_id}.desktop\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\")
    file(INSTALL \"${staged}/${command_dir}/gibbetry\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${command_dir}\")
")
