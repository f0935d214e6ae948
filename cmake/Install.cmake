# Installed layout (relative to the prefix):
#   lib/quillmark/quillmark       the program
#   lib/quillmark/Varnholt.ini    its settings file, shipped empty
#   bin/quillmark                 launcher (see quillmark-launcher.sh)
#   share/applications, share/icons/hicolor, share/metainfo
# The program reads and rewrites its settings file beside its own executable,
# so the executable and the file live together in a private folder; the
# launcher gives each user a writable copy of that folder when the installed
# one is not writable by them.
set(QUILLMARK_PROGRAM_DIR lib/quillmark)
# Installing (and cpack) needs the program only, not every test and benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS quillmark RUNTIME DESTINATION ${QUILLMARK_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/Varnholt.ini DESTINATION ${QUILLMARK_PROGRAM_DIR})
install(PROGRAMS ${PROJECT_SOURCE_DIR}/cmake/quillmark-launcher.sh
        DESTINATION bin RENAME quillmark)

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
