# What makes the program a desktop program: its command line, its desktop
# entry and metainfo, its Debian package and what a screen reader finds in its
# windows. Tools that are missing skip their test with a note.
add_test(NAME command_line
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cli/command_line.sh $<TARGET_FILE:minuskolonne>)
set_tests_properties(command_line PROPERTIES TIMEOUT 60)

set(MINUS_DATA ${PROJECT_SOURCE_DIR}/data)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME desktop_entry_valid
    COMMAND ${DESKTOP_FILE_VALIDATE} ${MINUS_DATA}/io.github.minuskolonne.Minuskolonne.desktop)
  set_tests_properties(desktop_entry_valid PROPERTIES TIMEOUT 30)
else()
  message(STATUS "desktop-file-validate not found: the desktop entry is not checked")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  add_test(NAME metainfo_valid
    COMMAND ${APPSTREAMCLI} validate --no-net
            ${MINUS_DATA}/io.github.minuskolonne.Minuskolonne.metainfo.xml)
  set_tests_properties(metainfo_valid PROPERTIES TIMEOUT 60)
else()
  message(STATUS "appstreamcli not found: the metainfo is not checked")
endif()

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(LINTIAN lintian)
if(DPKG_DEB AND DPKG_SHLIBDEPS AND LINTIAN)
  add_test(NAME debian_package
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/package/check_deb.sh ${PROJECT_BINARY_DIR})
  # Alone, since CPack installs the whole build into its staging folder.
  set_tests_properties(debian_package PROPERTIES TIMEOUT 300 RUN_SERIAL ON)
else()
  message(STATUS "dpkg-deb, dpkg-shlibdeps or lintian not found: the package is not checked")
endif()

# A screen reader's view of the running program, over the accessibility bus.
add_test(NAME screen_reader
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/a11y/screen_reader.sh $<TARGET_FILE:minuskolonne>)
# xvfb-run -a picks its display number by looking for a free one, which two
# starts at the same moment can both pick: the two checks take turns.
set_tests_properties(screen_reader PROPERTIES TIMEOUT 150 SKIP_RETURN_CODE 77
  RESOURCE_LOCK xvfb_run_display)
# The same on a GNOME-like desktop: Qt's GTK platform theme with a dark GTK
# theme (GTK then registers the process on the bus a second time).
add_test(NAME screen_reader_gtk_dark
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/a11y/screen_reader.sh $<TARGET_FILE:minuskolonne>)
set_tests_properties(screen_reader_gtk_dark PROPERTIES TIMEOUT 150 SKIP_RETURN_CODE 77
  RESOURCE_LOCK xvfb_run_display ENVIRONMENT "QT_QPA_PLATFORMTHEME=gtk3;GTK_THEME=Adwaita:dark")
