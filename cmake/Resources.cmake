# Resource scripts (.rc, UTF-8) are the single source of dialogs and strings.
# Windows: windres compiles them into the module. Linux: the C preprocessor
# resolves the includes and #defines (keeping line markers, so that rcgen
# reports errors at the script's own file and line), then rcgen turns the
# result into tables that the module registers with the platform layer when
# it is loaded.

if(WIN32)
  enable_language(RC)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

function(qf_resources target rcfile)
  get_filename_component(rcdir ${rcfile} DIRECTORY)
  if(WIN32)
    target_sources(${target} PRIVATE ${rcfile})
    set_property(SOURCE ${rcfile} APPEND PROPERTY INCLUDE_DIRECTORIES ${rcdir})
    return()
  endif()
  get_filename_component(rcname ${rcfile} NAME_WE)
  set(pre ${CMAKE_CURRENT_BINARY_DIR}/${target}_${rcname}.rc.i)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_${rcname}.rc.cpp)
  # The icons and bitmaps the script may name, so that editing one
  # regenerates the tables that hold its bytes.
  file(GLOB_RECURSE images CONFIGURE_DEPENDS ${rcdir}/*.ico ${rcdir}/*.bmp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_C_COMPILER} -E -x c -DRC_INVOKED
            -I${CMAKE_SOURCE_DIR}/platform/include -I${rcdir} ${rcfile} -o ${pre}
    COMMAND rcgen ${pre} ${out} ${rcdir}
    DEPENDS ${rcfile} rcgen ${images}
    IMPLICIT_DEPENDS C ${rcfile}
    COMMENT "Generating resource tables from ${rcname}.rc"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
