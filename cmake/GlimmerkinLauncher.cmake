# The launcher in bin: a symbolic link to the program in its own directory. The game
# resolves its real path to find its pages, so the link works from anywhere. The link
# is relative, so an installation can be moved as a whole, and it honours DESTDIR.
include(GNUInstallDirs)

if(IS_ABSOLUTE "${GLIMMERKIN_INSTALL_APPDIR}")
  set(glimmerkin_launcher_target "${GLIMMERKIN_INSTALL_APPDIR}/glimmerkin")
else()
  # Both directories lie under the same prefix, so any common root gives the same answer.
  file(RELATIVE_PATH glimmerkin_launcher_target
       "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${GLIMMERKIN_INSTALL_APPDIR}/glimmerkin")
endif()

install(CODE "
  set(glimmerkin_launcher \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/glimmerkin\")
  message(STATUS \"Installing: \${glimmerkin_launcher} -> ${glimmerkin_launcher_target}\")
  get_filename_component(glimmerkin_launcher_dir \"\${glimmerkin_launcher}\" DIRECTORY)
  file(MAKE_DIRECTORY \"\${glimmerkin_launcher_dir}\")
  file(CREATE_LINK \"${glimmerkin_launcher_target}\" \"\${glimmerkin_launcher}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${glimmerkin_launcher}\")
")
