# The Debian package: `cpack -G DEB` in the build folder makes
# lumora_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME lumora)
set(CPACK_PACKAGE_VENDOR "Lumora")
set(CPACK_PACKAGE_CONTACT "Lumora developers <lumora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Multimedia English course for Polish-speaking learners")
set(CPACK_PACKAGE_INSTALL_DIRECTORY lumora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://lumora.invalid/")
set(CPACK_STRIP_FILES ON)
# The libraries the executables and the module link come from
# dpkg-shlibdeps when it is there, else from the list Debian 12 names them by.
# The fonts are read at run time, so no library names them.
find_program(LUMORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
set(LUMORA_RUNTIME_PACKAGES "fonts-liberation, fonts-noto-color-emoji")
if(LUMORA_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${LUMORA_RUNTIME_PACKAGES}")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libavformat59, libavcodec59, libavutil57, libswresample4, libswscale6, libsdl2-2.0-0, libsoundtouch1, libfontconfig1, ${LUMORA_RUNTIME_PACKAGES}")
endif()
include(CPack)
