# SPDX-FileCopyrightText: 2026 The Brindolo developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

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

# The modules the game loads on first use, from modules/ beside it.
get_property(brindolo_loadable_modules GLOBAL PROPERTY BRINDOLO_LOADABLE_MODULES)
foreach(target ${brindolo_loadable_modules})
  install(TARGETS ${target} LIBRARY DESTINATION ${BRINDOLO_INSTALL_APPDIR}/modules)
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

# The settings for every user of a machine. Installed to /usr, as by the
# Debian package, the file goes where XDG_CONFIG_DIRS looks by default,
# /etc/xdg; under any other prefix it stays inside it, an example to copy.
# Decided as the install runs, since the package is made with its own prefix.
install(CODE "
  set(brindolo_settings_dir \"\${CMAKE_INSTALL_PREFIX}/etc/xdg/brindolo\")
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(brindolo_settings_dir /etc/xdg/brindolo)
  endif()
  file(INSTALL DESTINATION \"\${brindolo_settings_dir}\" TYPE FILE
       FILES \"${PROJECT_SOURCE_DIR}/data/brindolo.conf\")")

set(desktop ${PROJECT_SOURCE_DIR}/data/desktop)
# The game, and the word-list editor with the file type it opens.
install(FILES ${desktop}/${BRINDOLO_APP_ID}.desktop ${desktop}/${BRINDOLO_APP_ID}.Words.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${BRINDOLO_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${BRINDOLO_APP_ID}.xml)
install(FILES ${desktop}/${BRINDOLO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${desktop}/${BRINDOLO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 64 128 256)
  install(FILES ${desktop}/${BRINDOLO_APP_ID}-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${BRINDOLO_APP_ID}.png)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/NEWS.md
              ${PROJECT_SOURCE_DIR}/data/immagini/CREDITS ${PROJECT_SOURCE_DIR}/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Made now, so an install through sudo does not leave the build a folder its
# owner cannot write.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/doc)
install(CODE "
  set(BRINDOLO_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
  set(BRINDOLO_WORK_DIR \"${CMAKE_BINARY_DIR}/doc\")
  set(BRINDOLO_DOCDIR \"${CMAKE_INSTALL_DOCDIR}\")")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/Changelog.cmake)

# jpeg2bmp stays beside the game rather than on the PATH, so lintian notes its
# page as spare-manual-page (info); the page gives the program's full path.
install(FILES ${CMAKE_BINARY_DIR}/docs/man/brindolo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/docs/man/jpeg2bmp.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brindolo)
set(CPACK_PACKAGE_VENDOR "The Brindolo developers")
# The maintainer is whoever makes the package, read when cpack runs.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/CPackProject.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary game: drag sorted letters onto the picture they spell")
set(CPACK_PACKAGE_DESCRIPTION
    "Brindolo deals ten pictures a game. For each picture the player gets its
word with the letters in alphabetical order, and drags it onto the picture
it spells. The word list is a folder of JPEG pictures named after their
words, so a teacher makes a new list by copying pictures. More than a
hundred pictures of everyday words (from Twemoji, CC-BY 4.0) come with
the game.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Section education, as for gcompris-qt: the games section would put the
# command in /usr/games, which root's PATH and many session PATHs lack; here
# it stays in bin/, the same layout as an install to any other prefix.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# dpkg-shlibdeps finds the Qt and libjpeg libraries the executables link. Qt
# loads its platform plugins (from libqt6gui6) and the program its fonts at run
# time, where no linker sees them, and libexif when a picture first carries
# EXIF.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6, libexif12, fonts-liberation2")
# The words are spoken through Qt's speech-dispatcher plugin and espeak-ng's
# voices; without them the game plays silently. The teacher's recordings play
# through Qt Multimedia's GStreamer plugin: plugins-base holds the Ogg, Vorbis
# and Opus decoders, plugins-good the WAV, FLAC and MP3 ones and the automatic
# audio output; without them the synthetic voice says the words instead. The
# word-list editor reads WebP, TIFF and the like through Qt's image-format
# plugins; without them it takes JPEG, PNG, GIF and BMP only.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-speechd-plugin, speech-dispatcher, espeak-ng, \
gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, qt6-image-formats-plugins")
# Fonts made for early and dyslexic readers, for the font setting.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "fonts-sil-andika, fonts-opendyslexic")
# lintian's remaining notes, all info, are kept: hardening-no-fortify-functions
# and hardening-no-bindnow, since the package is built with the project's own
# flags rather than dpkg-buildflags'; binary-has-unneeded-section, for the
# compiler's .comment that CPack's strip keeps; and
# package-contains-documentation-outside-usr-share-doc for lingue.txt, which
# is the language list the program reads beside itself, not documentation.
# The settings file is the administrator's to edit: an upgrade keeps their
# changes.
file(WRITE ${CMAKE_BINARY_DIR}/debian/conffiles "/etc/xdg/brindolo/brindolo.conf\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/debian/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
