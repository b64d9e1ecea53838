# What `cmake --install` and `cpack` put in place: the static libraries with their headers, the
# command line, the data folder, the CMake package (QorvexCtl::qorvexctl and QorvexCtl::hostkit)
# and qorvexctl.pc. Every version number comes from the top-level project().
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QORVEXCTL_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/QorvexCtl)
# The application root a host points the library at: the folder that holds data/.
set(QORVEXCTL_ROOT_DIR ${CMAKE_INSTALL_DATADIR}/qorvexctl)

set_target_properties(qorvexctl_hostkit PROPERTIES EXPORT_NAME hostkit)
install(TARGETS qorvexctl qorvexctl_hostkit EXPORT QorvexCtlTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS qorvexctl_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Public headers keep their qorvexctl/... and hostkit/... include paths; test helpers stay out.
set(QORVEXCTL_HEADER_RULES FILES_MATCHING PATTERN "*.h" PATTERN "*_test.h" EXCLUDE
    PATTERN "*Test.h" EXCLUDE)
if(NOT QORVEXCTL_SDL)
  list(APPEND QORVEXCTL_HEADER_RULES PATTERN "sdl" EXCLUDE)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/qorvexctl/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/qorvexctl
        ${QORVEXCTL_HEADER_RULES})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/hostkit/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/hostkit
        ${QORVEXCTL_HEADER_RULES})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data DESTINATION ${QORVEXCTL_ROOT_DIR}
        PATTERN ".gitattributes" EXCLUDE)

install(EXPORT QorvexCtlTargets NAMESPACE QorvexCtl:: DESTINATION ${QORVEXCTL_CMAKE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QorvexCtlConfig.cmake.in
  ${PROJECT_BINARY_DIR}/QorvexCtlConfig.cmake
  INSTALL_DESTINATION ${QORVEXCTL_CMAKE_DIR}
  PATH_VARS QORVEXCTL_ROOT_DIR CMAKE_INSTALL_INCLUDEDIR)
# Before 1.0 a minor version may break the interface.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QorvexCtlConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QorvexCtlConfig.cmake
              ${PROJECT_BINARY_DIR}/QorvexCtlConfigVersion.cmake
        DESTINATION ${QORVEXCTL_CMAKE_DIR})

# pkg-config, relocatable: the prefix is found from where the .pc file lies. The library is
# static, so the libraries it uses are plain requirements (linked as the shared libraries they
# are), not private ones that only --static lists; --static would also ask for their own static
# dependencies, which the Debian -dev packages do not all carry.
file(RELATIVE_PATH QORVEXCTL_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" QORVEXCTL_PC_TO_PREFIX "${QORVEXCTL_PC_TO_PREFIX}")
set(QORVEXCTL_PC_REQUIRES
    "nlohmann_json cairo cairo-ft fontconfig freetype2 libcurl libdeflate gumbo sqlite3 zlib")
set(QORVEXCTL_PC_CFLAGS "")
if(QORVEXCTL_SDL)
  string(APPEND QORVEXCTL_PC_REQUIRES " sdl2")
  set(QORVEXCTL_PC_CFLAGS "-DQORVEXCTL_HAVE_SDL=1")
endif()
configure_file(${PROJECT_SOURCE_DIR}/cmake/qorvexctl.pc.in ${PROJECT_BINARY_DIR}/qorvexctl.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/qorvexctl.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# cpack: one Debian package with the libraries, the headers, the command line and the data. A
# host links the static libraries, so the package asks for the development packages they need;
# dpkg-shlibdeps adds what the command line itself loads.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qorvexctl)
set(CPACK_PACKAGE_VENDOR "QORVEXCTL")
set(CPACK_PACKAGE_CONTACT "QORVEXCTL maintainers <maintainers@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Data-entry controls for a Portuguese income-tax desktop application (C++20)")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Strips the command's debug information; CMake never strips static libraries (their symbol
# table is what a host links against).
set(CPACK_STRIP_FILES ON)
set(QORVEXCTL_DEB_DEPENDS zlib1g-dev libdeflate-dev libcairo2-dev libfreetype-dev
    libfontconfig-dev libsqlite3-dev nlohmann-json3-dev libcurl4-openssl-dev libgumbo-dev
    fonts-dejavu-core fonts-liberation2)
if(QORVEXCTL_SDL)
  list(APPEND QORVEXCTL_DEB_DEPENDS libsdl2-dev)
endif()
list(JOIN QORVEXCTL_DEB_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
include(CPack)
