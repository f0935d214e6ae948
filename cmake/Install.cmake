# Installed layout (relative to the prefix):
#   bin/quillmark                      the program
#   share/quillmark/Varnholt.ini       the settings file, shipped empty; each user
#                                      gets a copy of it in ~/.config/quillmark/
#   share/applications, share/icons/hicolor, share/metainfo
# Installing (and cpack) needs the program only, not every test and benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS quillmark RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/resources/Varnholt.ini DESTINATION share/quillmark)

install(FILES ${PROJECT_SOURCE_DIR}/resources/quillmark.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/io.github.quillmark.Quillmark.metainfo.xml
        DESTINATION share/metainfo)

# Whichever of the drawn sizes exist: quillmark-<size>.png -> hicolor/<size>x<size>/apps.
file(GLOB quillmark_icons ${PROJECT_SOURCE_DIR}/resources/icons/quillmark-*.png)
foreach(icon IN LISTS quillmark_icons)
    get_filename_component(name ${icon} NAME_WE)
    string(REGEX REPLACE "^quillmark-([0-9]+)$" "\\1" size ${name})
    if(size MATCHES "^[0-9]+$")
        install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps
                RENAME quillmark.png)
    endif()
endforeach()
