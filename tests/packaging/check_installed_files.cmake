# Installs the build into WORK_DIR as the package would lay it out under /usr and checks what a
# desktop needs there: the program without a RUNPATH, the desktop entry, the MIME type of the
# calculation files, the metainfo and the manual page.
file(REMOVE_RECURSE ${WORK_DIR})
set(ENV{DESTDIR} ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
set(usr ${WORK_DIR}/usr)

foreach(path bin/overpressure
             share/applications/org.overpressure.Overpressure.desktop
             share/icons/hicolor/scalable/apps/org.overpressure.Overpressure.svg
             share/mime/packages/org.overpressure.Overpressure.mime.xml
             share/metainfo/org.overpressure.Overpressure.metainfo.xml
             share/man/man1/overpressure.1.gz)
  if(NOT EXISTS ${usr}/${path})
    message(SEND_ERROR "not installed: ${path}")
  endif()
endforeach()

# Debian's package checks reject $ORIGIN paths; the system's Qt needs no search path.
execute_process(COMMAND readelf --dynamic ${usr}/bin/overpressure OUTPUT_VARIABLE dynamic)
if(dynamic MATCHES "RUNPATH|RPATH")
  message(SEND_ERROR "the installed program carries a library search path")
endif()

# The MIME database built from our package file maps *.pzr to the calculation type.
set(ENV{XDG_DATA_DIRS} ${usr}/share)
execute_process(COMMAND update-mime-database ${usr}/share/mime RESULT_VARIABLE failed ERROR_VARIABLE errors)
file(READ ${usr}/share/mime/globs2 globs)
if(failed OR errors OR NOT globs MATCHES "application/x-overpressure-calculation:\\*\\.pzr")
  message(SEND_ERROR "the MIME type of *.pzr is not registered: ${errors}")
endif()
if(NOT globs MATCHES "application/x-overpressure-fire-load:\\*\\.pzv")
  message(SEND_ERROR "the MIME type of *.pzv is not registered")
endif()
if(NOT globs MATCHES "application/x-overpressure-building:\\*\\.pzb")
  message(SEND_ERROR "the MIME type of *.pzb is not registered")
endif()

# The manual page formats without a warning.
set(ENV{LC_ALL} C.UTF-8)
execute_process(COMMAND man --warnings -l ${usr}/share/man/man1/overpressure.1.gz
                OUTPUT_QUIET ERROR_VARIABLE warnings RESULT_VARIABLE failed)
if(failed OR warnings)
  message(SEND_ERROR "the manual page does not format cleanly: ${warnings}")
endif()
