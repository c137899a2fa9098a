# SPDX-License-Identifier: GPL-3.0-or-later
# The distribution's hardening flags, and builds that do not depend on the
# folder they are made in.

# Fortified functions, the stack protector, and a read-only relocation table
# bound at start, as dpkg-buildflags gives them with every hardening feature
# on. Optimisation and debug information stay the build type's; the sanitizer
# and fuzzer builds keep their own instrumentation.
option(VANTOR_HARDENING "Build with the distribution's hardening flags (dpkg-buildflags)" ON)
if(VANTOR_HARDENING AND NOT VANTOR_SANITIZE AND NOT VANTOR_FUZZ)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (package dpkg-dev) gives the hardening flags: install it, "
                        "or configure with -DVANTOR_HARDENING=OFF")
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-g$|^-O|prefix-map=")
    foreach(flag IN LISTS flags)
      if(kind STREQUAL "LDFLAGS")
        add_link_options(${flag})
      elseif(flag MATCHES "^-D_FORTIFY_SOURCE")
        # Fortification needs the optimiser: unoptimised builds would warn
        # in every file.
        add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${flag}>)
      else()
        add_compile_options(${flag})
      endif()
    endforeach()
  endforeach()
endif()

# No path of the build machine in the binaries: file names in assertions and
# debug information are relative to the source folder ("src/...") and the
# build folder ("build/...").
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/)
