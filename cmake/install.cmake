# Installs what downstream programs build against: the C header, the shared
# library (SONAME from the major version), the static library with the archives
# behind it, a CMake package and a pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(rva_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/radar_vdb_access)

install(FILES ${PROJECT_SOURCE_DIR}/vdb_access/radar_vdb_access.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(TARGETS radar_vdb_access radar_vdb_access_static sm_models csl
        EXPORT radar_vdb_access_targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT radar_vdb_access_targets
        NAMESPACE radar_vdb_access::
        DESTINATION ${rva_cmake_dir})

configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/radar_vdb_access-config.cmake.in
  ${PROJECT_BINARY_DIR}/radar_vdb_access-config.cmake
  INSTALL_DESTINATION ${rva_cmake_dir})
# Programs built against 0.x must be rebuilt for another minor version.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/radar_vdb_access-config-version.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/radar_vdb_access-config.cmake
              ${PROJECT_BINARY_DIR}/radar_vdb_access-config-version.cmake
        DESTINATION ${rva_cmake_dir})

# The prefix is found from where the .pc file lies, so that the package can be
# installed anywhere (cmake --install --prefix) and still be found.
file(RELATIVE_PATH rva_pc_to_prefix /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" rva_pc_to_prefix "${rva_pc_to_prefix}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/radar_vdb_access.pc.in
  ${PROJECT_BINARY_DIR}/radar_vdb_access.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/radar_vdb_access.pc
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
