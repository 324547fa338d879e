# SPDX-License-Identifier: GPL-3.0-or-later
# In a cross build the header-only packages (CLI11, nlohmann-json) are the
# build machine's, but its include folder must not come before the target's
# own C library: their folders are linked into a folder of the build that
# holds nothing else, and the packages point there.
set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
foreach(package IN ITEMS "CLI11::CLI11=CLI" "nlohmann_json::nlohmann_json=nlohmann")
  string(REPLACE "=" ";" package ${package})
  list(GET package 0 target)
  list(GET package 1 folder)
  get_target_property(include_dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  find_path(${folder}_host_dir ${folder} PATHS ${include_dirs} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  file(CREATE_LINK ${${folder}_host_dir}/${folder} ${host_headers}/${folder} SYMBOLIC)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${host_headers})
endforeach()
