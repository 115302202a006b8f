# tesselume_add_resources(target rcfile): binds the resources of a .rc script to a program.
# Windows: windres compiles the script into the executable. Native: the program's own resource
# types (TEXTFILE, WAVE) are compiled in as a table that platform_native.cpp serves.
if(WIN32)
  enable_language(RC)
endif()

function(tesselume_add_resources target rcfile)
  get_filename_component(rc "${rcfile}" ABSOLUTE)
  if(WIN32)
    target_sources(${target} PRIVATE "${rc}")
    # The program's pictures are drawn at build time (resources/CMakeLists.txt) into the build tree,
    # where windres finds them through an include path.
    set_source_files_properties("${rc}" TARGET_DIRECTORY ${target}
      PROPERTIES INCLUDE_DIRECTORIES "${CMAKE_BINARY_DIR}/resources/art")
    if(rc STREQUAL "${CMAKE_SOURCE_DIR}/resources/tesselume.rc")
      add_dependencies(${target} tesselume_art)
    endif()
  else()
    get_filename_component(rc_dir "${rc}" DIRECTORY)
    file(STRINGS "${rc}" rc_lines REGEX "^[ \t]*[0-9]+[ \t]+(TEXTFILE|WAVE)[ \t]+\"")
    set(deps "${rc}")
    foreach(line ${rc_lines})
      string(REGEX REPLACE "^[ \t]*[0-9]+[ \t]+[A-Z]+[ \t]+\"([^\"]+)\".*" "\\1" path "${line}")
      list(APPEND deps "${rc_dir}/${path}")
    endforeach()
    get_filename_component(rc_name "${rc}" NAME_WE)
    set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}_${rc_name}_resources.cpp")
    add_custom_command(OUTPUT "${out}"
      COMMAND ${CMAKE_COMMAND} -DRC=${rc} -DOUT=${out} -P ${CMAKE_SOURCE_DIR}/cmake/embed_resources.cmake
      DEPENDS ${deps} ${CMAKE_SOURCE_DIR}/cmake/embed_resources.cmake
      COMMENT "Embedding the resources of ${rc_name}.rc for ${target}")
    target_sources(${target} PRIVATE "${out}")
  endif()
endfunction()
