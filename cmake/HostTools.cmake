# SPDX-License-Identifier: GPL-3.0-or-later
# The programs the build runs (chameleon_formgen writes the window descriptions,
# tavrendale_svgrender draws the pictures) must run on the build machine. Built natively they
# are ordinary targets of their folders. When cross-compiling they come from a build of this
# same source tree for the build machine: made here as a sub-build, or taken ready-made from
# TAVRENDALE_HOST_TOOLS.
set(TAVRENDALE_HOST_TOOLS "" CACHE PATH
    "When cross-compiling: a folder holding chameleon_formgen and tavrendale_svgrender built for the build machine (empty: build them)")

if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

set(host_tool_names chameleon_formgen tavrendale_svgrender)
if(TAVRENDALE_HOST_TOOLS)
  set(host_tool_dir ${TAVRENDALE_HOST_TOOLS})
else()
  include(ExternalProject)
  set(host_tool_build ${CMAKE_BINARY_DIR}/host-tools)
  set(host_tool_dir ${host_tool_build}/bin)
  set(host_tool_args -DCMAKE_BUILD_TYPE=Release -DTAVRENDALE_BUILD_TESTS=OFF -DTAVRENDALE_BUILD_BENCH=OFF
                     -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${host_tool_dir})
  if(CMAKE_CXX_COMPILER_LAUNCHER)
    list(APPEND host_tool_args -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
  endif()
  set(host_tool_files)
  foreach(tool IN LISTS host_tool_names)
    list(APPEND host_tool_files ${host_tool_dir}/${tool})
  endforeach()
  ExternalProject_Add(host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_tool_build}
    CMAKE_ARGS ${host_tool_args}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${host_tool_names}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${host_tool_files})
endif()

foreach(tool IN LISTS host_tool_names)
  add_executable(${tool} IMPORTED GLOBAL)
  set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${host_tool_dir}/${tool})
  if(TARGET host_tools)
    add_dependencies(${tool} host_tools)
  endif()
endforeach()
