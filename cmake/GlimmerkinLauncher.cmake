# The launcher: a symbolic link to the program in its own directory. The game resolves
# its real path to find its pages, so a link works from anywhere. The link is relative,
# so an installation can be moved as a whole, and it honours DESTDIR.
#
# By default it is games/glimmerkin, where Debian keeps the programs of a package in
# its games section and where every user's PATH looks.
include(GNUInstallDirs)

set(launcher_dir ${GLIMMERKIN_INSTALL_LAUNCHERDIR})
if(IS_ABSOLUTE "${GLIMMERKIN_INSTALL_APPDIR}")
  set(launcher_target "${GLIMMERKIN_INSTALL_APPDIR}/glimmerkin")
else()
  # Both directories lie under the same prefix, so any common root gives the same answer.
  file(RELATIVE_PATH launcher_target
       "/prefix/${launcher_dir}" "/prefix/${GLIMMERKIN_INSTALL_APPDIR}/glimmerkin")
endif()
install(CODE "
  set(glimmerkin_launcher \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${launcher_dir}/glimmerkin\")
  message(STATUS \"Installing: \${glimmerkin_launcher} -> ${launcher_target}\")
  get_filename_component(glimmerkin_launcher_dir \"\${glimmerkin_launcher}\" DIRECTORY)
  file(MAKE_DIRECTORY \"\${glimmerkin_launcher_dir}\")
  file(CREATE_LINK \"${launcher_target}\" \"\${glimmerkin_launcher}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${glimmerkin_launcher}\")
")
