# Installs what downstream programs build against: the C header, the shared
# library (SONAME from the major version), the static library, a CMake package and
# a pkg-config file; and what users run: the vdb tool, its man page and its bash
# completion. Installed programs and the shared library carry no debug
# information; the "debug" component (cmake --install build --component debug)
# puts it beside them, in .debug/, where debuggers look for it.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(rva_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/radar_vdb_access)

install(FILES ${PROJECT_SOURCE_DIR}/vdb_access/radar_vdb_access.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
# The include directory comes from the targets' own INSTALL_INTERFACE.
install(TARGETS radar_vdb_access radar_vdb_access_static
        EXPORT radar_vdb_access_targets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Strips the installed copy of a target's file in DESTINATION and links it to the
# debug information kept beside the built file (rva_split_debug_info).
function(rva_install_stripped target destination)
  install(CODE "execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --strip-debug
      \"--add-gnu-debuglink=$<TARGET_FILE:${target}>.debug\"
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/$<TARGET_FILE_NAME:${target}>\"
      COMMAND_ERROR_IS_FATAL ANY)")
  install(FILES $<TARGET_FILE:${target}>.debug DESTINATION ${destination}/.debug
          COMPONENT debug EXCLUDE_FROM_ALL)
endfunction()
rva_install_stripped(radar_vdb_access ${CMAKE_INSTALL_LIBDIR})

if(RVA_BUILD_TOOLS)
  install(TARGETS vdb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  rva_install_stripped(vdb ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_BINARY_DIR}/tools/vdb.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/vdb/vdb.bash-completion
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME vdb)
endif()
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
