# Helpers shared by every module of the project.

# Our own code is held to warnings-as-errors on both platforms.
function(qf_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# The .def files name the i686 functions by their __stdcall decorations
# (FgCreate@4); x86_64 has one calling convention and no decorations. The
# 64-bit build therefore uses a copy with the decorations cut off, so both
# builds export the same ordinals from one list. Sets OUT_VAR to the .def
# file this build uses.
function(qf_arch_def deffile out_var)
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(${out_var} ${deffile} PARENT_SCOPE)
    return()
  endif()
  get_filename_component(name ${deffile} NAME)
  set(archdef ${CMAKE_CURRENT_BINARY_DIR}/x86_64/${name})
  file(READ ${deffile} text)
  string(REGEX REPLACE "([A-Za-z_][A-Za-z0-9_]*)@[0-9]+" "\\1" text "${text}")
  file(GENERATE OUTPUT ${archdef} CONTENT "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${deffile})
  set(${out_var} ${archdef} PARENT_SCOPE)
endfunction()

# A module is what Windows calls a DLL: QFFTANA, QFFTGRPH, ... On Linux it is
# a shared object of the same name (QFFTGRPH.so) that LoadLibraryA finds for
# "QFFTGRPH.dll"; only symbols marked QF_EXPORT are visible. On Windows the
# module-definition file gives the exports and their ordinals.
function(qf_module target deffile)
  add_library(${target} SHARED ${ARGN})
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${target})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/libs/include)
  qf_warnings(${target})
  if(WIN32)
    qf_arch_def(${deffile} archdef)
    target_sources(${target} PRIVATE ${archdef})
    target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++ -Wl,--enable-stdcall-fixup)
  else()
    set_target_properties(${target} PROPERTIES SUFFIX ".so"
      C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden)
    target_link_libraries(${target} PRIVATE platform)
  endif()
endfunction()
