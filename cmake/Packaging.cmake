# `cpack -G DEB` in a Release build: the installed files as a Debian package for /usr.
set(QB_PACKAGE_MAINTAINER "Quillbarrow developers <quillbarrow@example.org>"
    CACHE STRING "The Debian package's maintainer, as \"Name <address>\"")

set(CPACK_PACKAGE_NAME quillbarrow)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quillbarrow developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configures addressable fire alarm controllers")
# One line each as the package's description shows it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quillbarrow is the tool with which an installer configures an addressable fire"
  "alarm controller: zones, the controller network, loop cards with their addressed"
  "devices, cause-and-effect rules, mimic panels and keypads. It writes the binary"
  "file set the controller reads and loads it again for editing."
  "quillbarrow-cli works on the same file sets without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QB_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Depends from the libraries the programs really link (dpkg-shlibdeps), so a library added to
# the build cannot be forgotten here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
