# The host tools of tools/ run at build time, so they are always built for the build machine. The host
# build adds them as targets of its own (the unit tests link their library); the Windows cross build
# builds them as a separate project with the host compiler, before anything that runs them.
#
# Sets TUNORA_MAKE_MIDI, TUNORA_MAKE_ICON and TUNORA_MAKE_TEXT to the tools (target names or paths), which
# a custom command names both as its command and among its dependencies, and TUNORA_TOOLS_DEPENDS to what
# it depends on besides.
if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(tools_dir ${CMAKE_BINARY_DIR}/host-tools)
  foreach(tool make_midi make_icon make_text)
    string(TOUPPER ${tool} variable)
    set(TUNORA_${variable} ${tools_dir}/${tool})
  endforeach()
  # No toolchain file is passed on: the sub-build finds the build machine's own compiler.
  ExternalProject_Add(tunora_host_tools
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
    BINARY_DIR ${tools_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
    BUILD_ALWAYS TRUE
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${TUNORA_MAKE_MIDI} ${TUNORA_MAKE_ICON} ${TUNORA_MAKE_TEXT})
  set(TUNORA_TOOLS_DEPENDS tunora_host_tools)
else()
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
  set(TUNORA_MAKE_MIDI make_midi)
  set(TUNORA_MAKE_ICON make_icon)
  set(TUNORA_MAKE_TEXT make_text)
  set(TUNORA_TOOLS_DEPENDS)
endif()
