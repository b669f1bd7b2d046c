# `cpack -G DEB` in a build folder makes minuskolonne_<version>_<arch>.deb from
# the install rules; its dependencies are read from the program's libraries.
set(CPACK_PACKAGE_NAME minuskolonne)
set(CPACK_PACKAGE_VENDOR "Minuskolonne developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trainer for written column subtraction")
set(CPACK_PACKAGE_CONTACT "Minuskolonne developers <minuskolonne@users.noreply.github.com>")
set(CPACK_PACKAGE_INSTALL_DIRECTORY minuskolonne)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_PACKAGE_NAME minuskolonne)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/minuskolonne/minuskolonne)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Liberation Sans and Mono stand in for the fonts the windows are laid out in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The synopsis is the summary above; CPack indents these lines and turns the
# empty one into a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Minuskolonne is a desktop trainer in which primary-school children practise
written (column) subtraction of whole numbers up to three digits. The child
drags digits onto the answer cells or types them, and every digit is judged
at once. It offers exercises with one or two subtrahends, gap exercises,
printable worksheets and two small reward games.

The program speaks German.")

include(CPack)
