# `make package`: one Debian package holding everything `cmake --install` puts in place, under /usr. Its
# dependencies are read from the libraries the programs really link (dpkg-shlibdeps), never listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scrivlet)
set(CPACK_PACKAGE_VENDOR "The Scrivlet developers")
set(CPACK_PACKAGE_CONTACT "The Scrivlet developers <numbra@example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://scrivlet.example.com)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "notes organizer with a folder tree, a calculator and a scheduler")
# The summary is the package's one-line synopsis; this is the text under it.
set(CPACK_PACKAGE_DESCRIPTION
    "Scrivlet keeps one person's notes in a tree of folders, with a Trash for
deleted folders. Two side panels share the window: a calculator that answers
on every keystroke, also available on the terminal as numbra, and a scheduler
with one note per calendar day. Everything stays in memory; nothing is
written to disk.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
