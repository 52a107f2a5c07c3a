# The Debian package (scripts/package.sh): cpack -G DEB makes kesto_<version>_amd64.deb of what
# `cmake --install` puts under /usr. Its dependencies come from the libraries the program and
# its two libraries link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kesto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Kesto developers <kesto@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prepare the boards of a duplicate bridge session")
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Kesto is for the directors of duplicate bridge clubs. It deals the boards\n"
    "of a session at random, takes deals typed in or read from a deal file, and\n"
    "makes from them hand records, deal sheets, curtain cards and statistics\n"
    "sheets, files for the dealing machines and for online play, and a web page\n"
    "of the deals.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The double-dummy solver is loaded only when makeable contracts are asked for: everything
# else works without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libdds0")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# What Debian asks of every package: its copyright and its changelog, compressed. The
# changelog's newest entry takes its version from the project's.
set(kesto_doc_folder ${CMAKE_BINARY_DIR}/share/doc/kesto)
configure_file(${PROJECT_SOURCE_DIR}/desktop/changelog ${kesto_doc_folder}/changelog @ONLY)
add_custom_command(OUTPUT ${kesto_doc_folder}/changelog.gz
    COMMAND gzip -9nc ${kesto_doc_folder}/changelog > ${kesto_doc_folder}/changelog.gz
    DEPENDS ${kesto_doc_folder}/changelog
    COMMENT "Compressing the changelog")
add_custom_target(kesto_changelog ALL DEPENDS ${kesto_doc_folder}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/copyright ${kesto_doc_folder}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kesto)

include(CPack)
