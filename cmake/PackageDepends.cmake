# Read by cpack: the libraries in Depends, found by dpkg-shlibdeps with their
# versions, or named in full where it cannot run.
find_program(VANTOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(VANTOR_FILE file)
if(CPACK_DEBIAN_PACKAGE_SHLIBDEPS AND (NOT VANTOR_DPKG_SHLIBDEPS OR NOT VANTOR_FILE))
  message(WARNING "dpkg-shlibdeps or file is missing (packages dpkg-dev, file): "
                  "Depends names the linked libraries without versions")
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CPACK_VANTOR_LIBRARY_PACKAGES}")
endif()
