# Debian package: cpack -G DEB in a build folder configured with
# -DCMAKE_INSTALL_PREFIX=/usr. Library dependencies (the Qt 6 runtime) are
# worked out by dpkg-shlibdeps from the installed program.
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "Quillmark")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillmark maintainers <quillmark@users.noreply.github.com>")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION "Quillmark is a desktop editor for mission makers: it writes a \
mission's overview.html and briefing.html pages from the texts, picture, objectives and \
debriefing endings typed into its window.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, so not found by dpkg-shlibdeps: the fonts the windows ask for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-dejavu-core")

include(CPack)
