# Read by cpack before it builds a package. The Debian package takes its library dependencies
# (the Qt 6 libraries) from dpkg-shlibdeps, which cpack runs only when it finds both dpkg-shlibdeps
# and file; without them it would quietly build a package that installs and cannot start.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(OVERPRESSURE_DPKG_SHLIBDEPS dpkg-shlibdeps)
  find_program(OVERPRESSURE_FILE file)
  if(NOT OVERPRESSURE_DPKG_SHLIBDEPS OR NOT OVERPRESSURE_FILE)
    message(FATAL_ERROR "Building the Debian package needs dpkg-shlibdeps (package dpkg-dev) and "
                        "file (package file) to find its library dependencies; scripts/install-deps.sh "
                        "installs them.")
  endif()
endif()
