# `cpack -G DEB` (or the `package` target) makes nx-studio's Debian package
# from the "Runtime" component: the program, the project's libraries and the
# desktop files, without the headers and CMake files a host builds against.
#
# dpkg-shlibdeps finds the Debian packages of the linked libraries. What the
# program loads without linking it is named here: the recogniser's English
# model, the tour's recording, MLT's profiles and presets, Qt Multimedia's
# audio plugins (voice previews), espeak-ng's voices and the fonts titles
# are drawn in.
set(CPACK_PACKAGE_NAME nx-studio)
set(CPACK_PACKAGE_VENDOR "NxSpeechService developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "video editor with subtitles from speech and voice-overs from text")
set(CPACK_PACKAGE_DESCRIPTION "nx-studio is a small video editor built around voice-text services: \
it transcribes the speech of audio and video files into subtitles, and speaks the text of titles \
and subtitles as voice-overs, offline on this computer or on a speech server. Its subcommands \
transcribe, speak, list voices and export videos from a shell.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_COMPONENTS_ALL Runtime)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

set(CPACK_DEBIAN_PACKAGE_NAME nx-studio)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NxSpeech Dev <dev@nxspeech.local>")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "pocketsphinx-en-us, pocketsphinx-testdata, libmlt-data, libqt5multimedia5-plugins, espeak-ng-data, fonts-dejavu-core")
# Interfaces in Chinese, Japanese and Korean, and Qt's own texts in every language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qttranslations5-l10n")

include(CPack)
