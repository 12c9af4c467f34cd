# Helpers shared by every module of the project.

# Our own code is held to warnings-as-errors on both platforms.
function(qf_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
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
    target_sources(${target} PRIVATE ${deffile})
    target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++ -Wl,--enable-stdcall-fixup)
  else()
    set_target_properties(${target} PROPERTIES SUFFIX ".so"
      C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden)
    target_link_libraries(${target} PRIVATE platform)
  endif()
endfunction()
