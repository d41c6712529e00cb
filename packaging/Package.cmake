# The Debian package, made by CPack from the install rules above and in app/, so that the
# package holds exactly what `cmake --install` puts in place. scripts/package.sh runs it.
#
# The package is native (version = the project's, no Debian revision), as the maker builds it
# from its own sources; its Depends are computed by dpkg-shlibdeps from the program's shared
# libraries. What the program loads that is not a library it links is recommended here: the
# Liberation fonts (its font substitutes, ui/FontSetup.cpp) and the Russian Qt translations
# (its dialog buttons, ui/ToolkitTranslation.cpp); without them it runs, with other fonts and
# English buttons.

set(CPACK_GENERATOR DEB)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME zhrebikon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Velkora)
set(CPACK_PACKAGE_CONTACT "Velkora <info@velkora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "statistics of \"K out of N\" number lotteries")
set(CPACK_PACKAGE_DESCRIPTION [=[
Zhrebikon (Жребикон) keeps the history of a number lottery in which K numbers
out of N are drawn (one to seven out of at most 49; 6 out of 49 at start) and
plays such a lottery at home. Draws are entered on a card of numbered balls or
brought in from a published table (CSV or text). For each number the program
shows how often it came out, which number came out with it most and least
often and how many draws have passed since it was last seen; charts set these
beside what pure chance gives. The interface is in Russian.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
