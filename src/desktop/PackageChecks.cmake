# Run by cpack after it made the packages. A Debian package whose dependencies could not be read
# off the program's shared libraries (dpkg-shlibdeps missing or failing) would install without
# Qt and never start, yet cpack calls it generated: remove it and stop with the reason. Those
# dependencies always include the C library, which no package lists by hand.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  set(unpacked ${CPACK_TEMPORARY_DIRECTORY}/package-check)
  file(REMOVE_RECURSE ${unpacked})
  file(ARCHIVE_EXTRACT INPUT ${package} DESTINATION ${unpacked})
  file(GLOB control_archive ${unpacked}/control.tar.*)
  file(ARCHIVE_EXTRACT INPUT ${control_archive} DESTINATION ${unpacked}/control)
  file(STRINGS ${unpacked}/control/control depends REGEX "^Depends: .*libc6")
  file(REMOVE_RECURSE ${unpacked})
  if(NOT depends)
    file(REMOVE ${package})
    message(FATAL_ERROR
      "${package} would lack the dependencies on the program's libraries: dpkg-shlibdeps did not "
      "compute them, so no package is made. Install dpkg-dev (sudo apt-get install dpkg-dev) and "
      "run cpack again.")
  endif()
endforeach()
