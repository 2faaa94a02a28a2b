# The Debian package, built with `cpack` in the build directory.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimmerkin)
set(CPACK_PACKAGE_VENDOR "Tallowbrook Studio")
set(CPACK_PACKAGE_CONTACT "Tallowbrook Studio <games@tallowbrook.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tallowbrook.example/glimmerkin/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop game of memory and reflexes")
# Lines of the long description stay under 80 columns, as Debian's tools expect.
set(CPACK_PACKAGE_DESCRIPTION [=[
Four coloured lights hide in a painted landscape, camouflaged as patches
of grass, sky, snow and river, and a horned little creature, the quarry,
hides among them.

In Follow, the quarry shows a pattern of lights to be clicked in the same
order, one light longer after every correct copy. In Tag, it jumps from
light to light, faster with every jump, and is caught by clicking the
light it sits on.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The libraries come from the binaries through dpkg-shlibdeps, SDL's among them, which
# plays the sounds. What the program loads without linking it is named here: Qt's X11
# platform plugin and the fonts the layouts are measured in. Qt's SVG plugins come
# with libqt6svg6, which the program links and dpkg-shlibdeps names.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Qt's Wayland platform plugin, so that a Wayland desktop runs the game natively rather
# than through Xwayland; and Qt's own translations, which name the message boxes'
# buttons in the player's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
