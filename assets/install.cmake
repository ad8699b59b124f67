# An installed game keeps to one folder of its own, lib/gibbetry: the program, its sounds and,
# once it has run, Settings. bin/gibbetry points there, and the desktop finds it through its
# entry, icon and AppStream description.
set(app_id example.gibbetry.Gibbetry)
set(game_dir lib/gibbetry)

install(TARGETS gibbetry RUNTIME DESTINATION ${game_dir})
install(TARGETS gibbetry_sound LIBRARY DESTINATION ${game_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/win.wav ${CMAKE_CURRENT_LIST_DIR}/lose.wav
        DESTINATION ${game_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon.png
        DESTINATION share/icons/hicolor/32x32/apps RENAME ${app_id}.png)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.metainfo.xml DESTINATION share/metainfo)

# The entry names the installed paths, which are known only when installing.
install(CODE "
    set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    set(game \"\${CMAKE_INSTALL_PREFIX}/${game_dir}/gibbetry\")
    set(icon \"\${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/32x32/apps/${app_id}.png\")
    configure_file(\"${CMAKE_CURRENT_LIST_DIR}/${app_id}.desktop.in\"
                   \"\${root}/share/applications/${app_id}.desktop\" @ONLY)
    file(MAKE_DIRECTORY \"\${root}/bin\")
    file(CREATE_LINK ../${game_dir}/gibbetry \"\${root}/bin/gibbetry\" SYMBOLIC)
    message(STATUS \"Installing: \${root}/bin/gibbetry\")
")
