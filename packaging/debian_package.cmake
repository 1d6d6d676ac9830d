# The Debian package made by `cpack -G DEB` from a Release build: the two
# programs, the desktop entry, the icons, the .qmf file type and the
# copyright file, installed
# under CMAKE_INSTALL_PREFIX (configure with -DCMAKE_INSTALL_PREFIX=/usr, so
# that the desktop entry's path is the installed one). The Qt 6 libraries come
# from dpkg-shlibdeps; the platform plugin, Qt's own translations and the form's
# font are named here.
# Debian's policy asks every package for its copyright file.
include(GNUInstallDirs)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillmoor)

set(CPACK_PACKAGE_NAME quillmoor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillmoor developers <quillmoor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Demon-fusion calculator (Qt 6 desktop program)")
set(CPACK_PACKAGE_DESCRIPTION "Picks a demon and shows its data and every way to make it by fusion:\nrace pairs, material pairs, spirit fusions and special recipes, with\noptions, level limits, skill conditions and saved tabs. Japanese\ninterface with an English mode; qmoor answers the same on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
