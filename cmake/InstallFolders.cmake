# An install lists the folders it makes in install_folders.txt in the build folder, beside CMake's
# install_manifest.txt, each before its parents, so that an uninstall can remove them again once they are
# empty (README, "Installing"). The list starts empty with each install.
set(ZORVIK_INSTALL_FOLDERS_LIST ${CMAKE_BINARY_DIR}/install_folders.txt)
install(CODE "file(REMOVE \"${ZORVIK_INSTALL_FOLDERS_LIST}\")")

# zorvik_install_folders(<folders...>): before the install rules that follow in the calling folder, adds
# each of the folders (relative to the install prefix) and those of its parents that do not exist yet to
# the list.
function(zorvik_install_folders)
  install(CODE "set(folders \"${ARGN}\")
set(list_file \"${ZORVIK_INSTALL_FOLDERS_LIST}\")
include(\"${PROJECT_SOURCE_DIR}/cmake/RecordInstallFolders.cmake\")")
endfunction()
