# The Debian package: what `cpack -G DEB` makes from the install rules. Its version is the
# project's, its dependencies come from the libraries the programs link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel-calculator)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantrel Software Ltd.")
set(CPACK_PACKAGE_CONTACT "Vantrel Software Ltd. <support@vantrel.example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.vantrel.example.com)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "adding-machine calculator with a printable paper tape")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icons go into the theme that every desktop reads. libcups is loaded when the calculator
# first asks the print server, so dpkg-shlibdeps cannot see it. The calculator works without a
# session bus; with one, other programs can drive it and the bus starts it for them. Without Qt's
# Wayland plugin it runs through XWayland in a Wayland session, the default of GNOME and Plasma.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "hicolor-icon-theme, libcups2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "default-dbus-session-bus | dbus-session-bus, qt6-wayland")
# CPack puts the summary first and indents the rest, an empty line for each " ." of Debian.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Vantrel Calculator is a desktop adding machine for bookkeeping. One small
window holds a display, a 31-key keypad, seven rounding and input options,
the memory and the item counter, and beside them a scrolling paper tape that
records every amount and result with its operator mark, a rule and the item
count above every total, and negative amounts in red.

Additions and subtractions are exact in decimal, so a column of cents always
adds up. The last operation can be undone, tape lines included. The tape can
be copied as an image and printed.

Other programs push amounts and operations into the calculator over the
session bus; vantrel-send does it from the command line, and the bus starts
the calculator when none is running.]=])

include(CPack)
