# Where `cmake --install` puts the program and what a desktop needs to offer it:
# the desktop entry, the software-centre metadata, the icons, the man page and
# the licence, all named after the one application id.
include(GNUInstallDirs)

set(MINUS_APP_ID io.github.minuskolonne.Minuskolonne)
set(MINUS_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/minuskolonne)
# Package managers expect directories rwxr-xr-x whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS minuskolonne RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${MINUS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES data/${MINUS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# The icon: scalable, and drawn at the usual sizes for desktops that want pixels.
set(MINUS_ICON_SVG ${CMAKE_CURRENT_SOURCE_DIR}/data/icons/${MINUS_APP_ID}.svg)
set(MINUS_ICON_DIR ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor)
install(FILES ${MINUS_ICON_SVG} DESTINATION ${MINUS_ICON_DIR}/scalable/apps)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(MINUS_ICON_PNGS)
foreach(size 16 22 24 32 48 64 128 256)
  set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${MINUS_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${MINUS_ICON_SVG}
    DEPENDS ${MINUS_ICON_SVG} VERBATIM)
  install(FILES ${png} DESTINATION ${MINUS_ICON_DIR}/${size}x${size}/apps)
  list(APPEND MINUS_ICON_PNGS ${png})
endforeach()

# The man page and the Debian changelog, compressed as Debian wants them
# (-n: no name or time stamp, so that two builds give the same bytes).
find_program(GZIP gzip REQUIRED)
set(MINUS_MAN_PAGE ${CMAKE_CURRENT_BINARY_DIR}/minuskolonne.1.gz)
set(MINUS_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${MINUS_MAN_PAGE}
  COMMAND ${GZIP} -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/data/minuskolonne.1 > ${MINUS_MAN_PAGE}
  DEPENDS data/minuskolonne.1)
add_custom_command(OUTPUT ${MINUS_CHANGELOG}
  COMMAND ${GZIP} -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/data/debian/changelog > ${MINUS_CHANGELOG}
  DEPENDS data/debian/changelog)
install(FILES ${MINUS_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/debian/copyright ${MINUS_CHANGELOG} DESTINATION ${MINUS_DOC_DIR})

add_custom_target(minus_install_data ALL DEPENDS ${MINUS_ICON_PNGS} ${MINUS_MAN_PAGE}
                                                 ${MINUS_CHANGELOG})
