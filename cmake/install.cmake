# What `cmake --install` puts in place: the public headers, the shared
# library with its versioned soname, the programs, the manual pages, a CMake
# package configuration (find_package(lemmatizer CONFIG) gives the target
# lemmatizer::lemmatizer), a pkg-config file, and the dictionaries the
# project has built, when there are any.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(LEMMATIZER_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/lemmatizer)
set(LEMMATIZER_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/lemmatizer)

# Everything but the dictionaries is the component "lemmatizer"; the
# dictionaries are the component "dictionaries".
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME lemmatizer)

install(TARGETS lemmatizer EXPORT lemmatizerTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lemmatizer)
install(FILES interface/lemmatizer.h interface/lemm.h interface/lemmatizer_export.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lemmatizer)
# The installed programs find the installed library beside them.
set_target_properties(lemm lemm-build PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(TARGETS lemm lemm-build RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES doc/man/lemm.1 doc/man/lemm-build.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES doc/man/lemmatizer.3 DESTINATION ${CMAKE_INSTALL_MANDIR}/man3)

install(EXPORT lemmatizerTargets NAMESPACE lemmatizer::
        DESTINATION ${LEMMATIZER_INSTALL_CMAKEDIR})
configure_package_config_file(cmake/lemmatizerConfig.cmake.in
  ${CMAKE_BINARY_DIR}/lemmatizerConfig.cmake INSTALL_DESTINATION ${LEMMATIZER_INSTALL_CMAKEDIR}
  PATH_VARS CMAKE_INSTALL_INCLUDEDIR LEMMATIZER_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/lemmatizerConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/lemmatizerConfig.cmake
              ${CMAKE_BINARY_DIR}/lemmatizerConfigVersion.cmake
        DESTINATION ${LEMMATIZER_INSTALL_CMAKEDIR})

configure_file(cmake/lemmatizer.pc.in ${CMAKE_BINARY_DIR}/lemmatizer.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/lemmatizer.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The dictionaries tools/build-dictionaries made, with their licences.
install(DIRECTORY ${CMAKE_BINARY_DIR}/dict/lemm/ DESTINATION ${LEMMATIZER_INSTALL_DATADIR}/lemm
        COMPONENT dictionaries OPTIONAL)
