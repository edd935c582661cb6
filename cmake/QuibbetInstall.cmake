# What `cmake --install` puts where, and the Debian package made of it (`cpack -G DEB`).
include(GNUInstallDirs)

# The program opens its help file from the folder of its executable, so the two share a
# folder of their own; bin/ holds a link to the program.
set(QUIBBET_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/quibbet)
install(TARGETS quibbet RUNTIME DESTINATION ${QUIBBET_PROGRAM_DIR})
install(FILES ${QUIBBET_HELP_FILE} DESTINATION ${QUIBBET_PROGRAM_DIR})
file(RELATIVE_PATH quibbet_link_target /${CMAKE_INSTALL_BINDIR} /${QUIBBET_PROGRAM_DIR}/quibbet)
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    message(STATUS \"Installing: \${bin}/quibbet -> ${quibbet_link_target}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK \"${quibbet_link_target}\" \"\${bin}/quibbet\" SYMBOLIC)
")

install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/${QUIBBET_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/resources/${QUIBBET_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${QUIBBET_ICON_FOLDER}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/${QUIBBET_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUIBBET_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Loaded by bash-completion when a user first completes a quibbet command line.
install(FILES ${CMAKE_SOURCE_DIR}/resources/quibbet.bash-completion
    DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quibbet)
# The changelog of a package made here (a native one) is changelog.gz; the copyright file
# is in Debian's machine-readable form.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/desktop-integration.md ${QUIBBET_CHANGELOG}
    ${CMAKE_SOURCE_DIR}/resources/debian/copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quibbet)

set(QUIBBET_PACKAGE_MAINTAINER "Quibbet developers <developers@quibbet.invalid>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_PACKAGE_NAME quibbet)
set(CPACK_PACKAGE_VENDOR Quibbet)
set(CPACK_PACKAGE_CONTACT ${QUIBBET_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small notes keeper that stays on top of other windows")
set(CPACK_PACKAGE_DESCRIPTION "Quibbet keeps short plain-text notes in one small window that stays on top
of the others. Notes are filed under category tabs and listed by the day
they were written; they can be searched, exported, printed and given
reminders. The window hides to the tray and comes back with F9.
.
The notes live in one SQLite file, clipdata.dat, in the home folder when
Quibbet is started from the desktop menu.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links (Qt, SQLite, libjpeg, xcb) come from dpkg-shlibdeps; these
# are loaded at run time instead: the toolkit's window-system plugins.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The faces the notes and dialogs are set in; those that draw what they lack: Chinese,
# Japanese and Korean, colour emoji, and the other scripts (Indic, Thai, Ethiopic...) that
# DejaVu leaves out; the opener of the help file; and the toolkit's own texts (its dialogs'
# buttons) in the languages Quibbet speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation, fonts-dejavu-core, fonts-noto-cjk, fonts-noto-color-emoji, fonts-noto-core, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer")
set(CPACK_GENERATOR DEB)
include(CPack)
