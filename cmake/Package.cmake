# The Debian package, made by `cpack -G DEB` in the build folder
# (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvaneit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Korean address book that prints onto letter paper and envelopes")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Orvane-It keeps a Korean address book and prints the sender's and the\n"
  "addressees' addresses onto pre-printed letter paper and envelopes, and\n"
  "prints congratulatory and condolence envelopes. It looks up zip codes by\n"
  "the name of a town district in the six-digit zip code table it ships, and\n"
  "finds five-digit codes and road-name addresses in the postal data the user\n"
  "downloads.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Orvane-It maintainers <maintainers@users.noreply.c-seed-782db6a6.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from the binary itself. What Qt loads
# at run time does not show there: the SQLite driver, the Korean faces that
# stand in for Gulim and Batang, and Qt's Korean translation. Printing needs a
# CUPS server, local or on the network. Access files are read with libmdb.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The label sheets offered for address labels come from glabels-data.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, fonts-nanum, fonts-unfonts-core, qt6-translations-l10n, glabels-data, libmdb3, libarchive13")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS cups)
include(CPack)
