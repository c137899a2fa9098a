# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: cpack -G DEB in a build folder writes
# freevantor_VERSION_ARCH.deb. Its dependencies come from dpkg-shlibdeps.
include(GNUInstallDirs)

# Files Debian's policy asks of every package: the copyright, a compressed
# changelog, and compressed manual pages.
set(package_doc ${CMAKE_INSTALL_DATADIR}/doc/freevantor)
install(FILES data/package/copyright DESTINATION ${package_doc})
find_program(GZIP gzip REQUIRED)
set(gz_dir ${CMAKE_BINARY_DIR}/package)
add_custom_command(OUTPUT ${gz_dir}/changelog.gz ${gz_dir}/vantor.1.gz ${gz_dir}/vantor-cli.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gz_dir}
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/package/changelog > ${gz_dir}/changelog.gz
    COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/data/man/vantor.1 > ${gz_dir}/vantor.1.gz
    COMMAND ${GZIP} -9nc ${CMAKE_BINARY_DIR}/cli/vantor-cli.1 > ${gz_dir}/vantor-cli.1.gz
    DEPENDS data/package/changelog data/man/vantor.1 vantor-cli-manual ${CMAKE_BINARY_DIR}/cli/vantor-cli.1)
add_custom_target(package-docs ALL DEPENDS ${gz_dir}/changelog.gz ${gz_dir}/vantor.1.gz ${gz_dir}/vantor-cli.1.gz)
install(FILES ${gz_dir}/changelog.gz DESTINATION ${package_doc})
install(FILES ${gz_dir}/vantor.1.gz ${gz_dir}/vantor-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/freevantor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME org.freevantor.FreeVantor.metainfo.xml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME freevantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "FreeVantor maintainers <maintainers@freevantor.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw the profile of a solid of revolution and look at the solid")
# CPack puts the summary above this as the synopsis line. One string: a
# CMake list would show its separators as lines of ";".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "FreeVantor turns figures drawn left of a vertical axis into a solid of\n\
revolution and paints it with a point light, as wireframe, surface or\n\
meshed surface. It runs a rotation simulation, saves pictures, plays\n\
flip-book animations, exports meshes for 3-D printing (STL, 3MF, OBJ,\n\
PLY), and comes with vantor-cli for batch work.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Without dpkg-shlibdeps or file, CPack would leave the libraries out of
# Depends with no more than a warning, and the installed program would not
# start: the libraries the programs link are then named without versions.
set(CPACK_VANTOR_LIBRARY_PACKAGES "libc6, libstdc++6, libgcc-s1, libqt6core6, libqt6gui6, libqt6widgets6, \
libimagequant0, libgomp1, libgif7, libpolyclipping22, libzip4, libcairo2, zlib1g")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageDepends.cmake)
# The platform plugins and the Japanese font are loaded at run time, so
# dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, bash-completion")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://freevantor.org/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
