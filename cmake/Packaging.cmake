# What `cmake --install` puts where, and the Debian package that `cpack -G DEB` makes of it.
#
#   bin/vaneko, bin/vaneko-cli
#   lib/vaneko/libvmath.so.1      our maths library, private to the program: no development
#                                 link, not in the system's library folder; found through the
#                                 programs' RPATH
#   share/applications, share/metainfo, share/icons/hicolor/*/apps
#   share/man/man1                vaneko(1) and vaneko-cli(1), made by help2man from --help
#   share/bash-completion/completions/vaneko-cli
#   share/doc/vaneko              copyright and changelog
include_guard()

set(VANEKO_APP_ID "example.vaneko.Vaneko")
# The private folder sits in the multiarch library folder where there is one
# (/usr/lib/x86_64-linux-gnu/vaneko), as Debian wants private libraries.
if(CMAKE_LIBRARY_ARCHITECTURE)
  set(VANEKO_PRIVATE_LIBDIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}/vaneko")
else()
  set(VANEKO_PRIVATE_LIBDIR "lib/vaneko")
endif()
set(VANEKO_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/vaneko")
# The date of this version's release, for the changelog and the metainfo.
set(VANEKO_RELEASE_DATE "2026-01-15")
set(VANEKO_RELEASE_DATE_RFC2822 "Thu, 15 Jan 2026 12:00:00 +0000")

set_target_properties(vaneko-cli PROPERTIES INSTALL_RPATH "$ORIGIN/../${VANEKO_PRIVATE_LIBDIR}")
install(TARGETS vaneko-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vmath LIBRARY DESTINATION ${VANEKO_PRIVATE_LIBDIR} NAMELINK_SKIP)
# The maths library calls nothing of the C library itself, so the linker would leave libc out;
# a shared library without it cannot rely on the C runtime's start-up, and Debian refuses it.
target_link_options(vmath PRIVATE -Wl,--no-as-needed)

set(VANEKO_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${VANEKO_PACKAGING_OUT})

# Manual pages from the programs' own --help and --version texts. help2man runs the program in
# the locale it is given, C by default, where every accented letter of the help would become
# "??": C.UTF-8 keeps the page in UTF-8. It joins the lines of a paragraph, so each line of the
# examples is ended by a break of its own.
find_program(HELP2MAN help2man)
find_program(GZIP gzip REQUIRED)
find_program(SED sed)
function(vaneko_man_page target description)
  set(page ${VANEKO_PACKAGING_OUT}/${target}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${HELP2MAN} --locale=C.UTF-8 --no-info --section=1 --name=${description}
            --output=${page} $<TARGET_FILE:${target}>
    COMMAND ${SED} -i -e "/^\\.SH EXAMPLES/,/^\\.S[HS] /{" -e "/^[^.]/a .br" -e "}" ${page}
    COMMAND ${GZIP} -9nf ${page}
    DEPENDS ${target}
    COMMENT "Writing the manual page ${target}(1)"
    VERBATIM)
  add_custom_target(${target}_man ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
if(HELP2MAN AND SED)
  vaneko_man_page(vaneko-cli "convert units and press calculator keys from the command line")
else()
  message(WARNING "help2man not found: no manual pages (apt-get install help2man)")
endif()

if(TARGET vaneko)
  set_target_properties(vaneko PROPERTIES INSTALL_RPATH "$ORIGIN/../${VANEKO_PRIVATE_LIBDIR}")
  install(TARGETS vaneko RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(HELP2MAN AND SED)
    vaneko_man_page(vaneko "unit converter and scientific calculator")
  endif()

  install(FILES packaging/${VANEKO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  configure_file(packaging/${VANEKO_APP_ID}.metainfo.xml.in
                 ${VANEKO_PACKAGING_OUT}/${VANEKO_APP_ID}.metainfo.xml @ONLY)
  install(FILES ${VANEKO_PACKAGING_OUT}/${VANEKO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES assets/icons/${size}x${size}/vaneko.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES assets/icons/scalable/vaneko.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

install(FILES packaging/bash-completion/vaneko-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# The changelog in Debian's format, compressed as Debian wants it.
configure_file(packaging/changelog.in ${VANEKO_PACKAGING_OUT}/changelog @ONLY)
add_custom_command(
  OUTPUT ${VANEKO_PACKAGING_OUT}/changelog.gz
  COMMAND ${GZIP} -9nc ${VANEKO_PACKAGING_OUT}/changelog > ${VANEKO_PACKAGING_OUT}/changelog.gz
  DEPENDS ${VANEKO_PACKAGING_OUT}/changelog
  VERBATIM)
add_custom_target(vaneko_changelog ALL DEPENDS ${VANEKO_PACKAGING_OUT}/changelog.gz)
install(FILES packaging/copyright ${VANEKO_PACKAGING_OUT}/changelog.gz DESTINATION ${VANEKO_DOCDIR})

# The Debian package: vaneko_<version>_amd64.deb.
set(CPACK_PACKAGE_NAME vaneko)
set(CPACK_PACKAGE_VENDOR "The Vaneko team")
set(CPACK_PACKAGE_CONTACT "The Vaneko team <team@vaneko.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter and scientific calculator")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://vaneko.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (context menus, standard buttons) in French; added to the libraries' depends.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# Programs linked with packed relative relocations load only with glibc 2.36 or later; that is a
# version the loader checks (GLIBC_ABI_DT_RELR), not a symbol, so dpkg-shlibdeps does not see it.
if(VANEKO_LINKER_PACKS_RELOCATIONS)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libc6 (>= 2.36)")
endif()
# dpkg-shlibdeps must find our private library in the staging tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    "${CMAKE_BINARY_DIR}/_CPack_Packages/Linux/DEB/vaneko-${PROJECT_VERSION}-Linux/usr/${VANEKO_PRIVATE_LIBDIR}")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vaneko converts numbers between the units of 18 categories (temperature,\n"
  "distance, mass, area, volumes, kitchen measures of foods, pressure, speed,\n"
  "force, energy, power, fuel economy, flows, torque, radioactivity, angles)\n"
  "and holds a button-driven scientific calculator with a memory, three\n"
  "registers, trigonometric, hyperbolic and special functions and constants.\n"
  "Its window speaks French and English; vaneko-cli does the same from the\n"
  "command line.")
include(CPack)
