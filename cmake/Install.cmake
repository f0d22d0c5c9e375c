# Install layout and the Debian package.
#
# The program looks for immagini/, lingue.txt and the .lng files in the folder
# that holds its executable, so all of them go together into one private
# folder; a launcher on the PATH starts the executable there.

include(GNUInstallDirs)

set(BRINDOLO_APP_ID org.brindolo.Brindolo)
set(BRINDOLO_INSTALL_APPDIR "lib/brindolo" CACHE STRING
    "Folder, relative to the install prefix, for the program with its pictures and languages")

foreach(target brindolo jpeg2bmp)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${BRINDOLO_INSTALL_APPDIR})
  endif()
endforeach()

# The Italian pictures and the word packs (parole/<language>/). Only *.jpg: the
# game makes a word of every such name, and nothing else in the folders
# (credits, a half-made picture) belongs beside them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/immagini ${PROJECT_SOURCE_DIR}/data/parole
        DESTINATION ${BRINDOLO_INSTALL_APPDIR}
        FILES_MATCHING PATTERN "*.jpg")

file(GLOB brindolo_languages CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/data/lingue.txt ${PROJECT_SOURCE_DIR}/data/*.lng)
if(brindolo_languages)
  install(FILES ${brindolo_languages} DESTINATION ${BRINDOLO_INSTALL_APPDIR})
endif()

# A script rather than a symbolic link: the program takes its folder from its
# own executable's path, which a link on the PATH would hide.
file(RELATIVE_PATH brindolo_bin_to_app
     /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${BRINDOLO_INSTALL_APPDIR})
configure_file(${PROJECT_SOURCE_DIR}/data/desktop/brindolo.in
               ${CMAKE_BINARY_DIR}/launcher/brindolo @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/brindolo DESTINATION ${CMAKE_INSTALL_BINDIR})

set(desktop ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop}/${BRINDOLO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${BRINDOLO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/${BRINDOLO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 64 128 256)
  install(FILES ${desktop}/${BRINDOLO_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${BRINDOLO_APP_ID}.png)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/data/immagini/CREDITS
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brindolo)
set(CPACK_PACKAGE_VENDOR "The Brindolo developers")
set(CPACK_PACKAGE_CONTACT "The Brindolo developers <brindolo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary game: drag sorted letters onto the picture they spell")
set(CPACK_PACKAGE_DESCRIPTION
    "Brindolo deals ten pictures a game. For each picture the player gets its word with
the letters in alphabetical order, and drags it onto the picture it spells.
The word list is a folder of JPEG pictures named after their words, so a
teacher makes a new list by copying pictures. More than a hundred pictures of
everyday Italian words (from Twemoji, CC-BY 4.0) come with the game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brindolo.example.org/")
# dpkg-shlibdeps finds the Qt and libjpeg libraries the executables link. Qt
# loads its platform plugins (from libqt6gui6) and the program its fonts at run
# time, where no linker sees them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6, fonts-liberation2")
include(CPack)
