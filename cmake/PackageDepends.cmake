# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack: the libraries in Depends, found by dpkg-shlibdeps with their
# versions, or named without versions where it cannot run or is turned off
# (cpack -D CPACK_DEBIAN_PACKAGE_SHLIBDEPS=OFF).
find_program(VANTOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(VANTOR_FILE file)
if(NOT CPACK_DEBIAN_PACKAGE_SHLIBDEPS OR NOT VANTOR_DPKG_SHLIBDEPS OR NOT VANTOR_FILE)
  if(CPACK_DEBIAN_PACKAGE_SHLIBDEPS)
    message(WARNING "dpkg-shlibdeps or file is missing (packages dpkg-dev, file): "
                    "Depends names the linked libraries without versions")
  endif()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CPACK_VANTOR_LIBRARY_PACKAGES}")
endif()
