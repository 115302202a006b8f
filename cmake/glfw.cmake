# GLFW 3.3.8 for Win32, from the sources scripts/setup fetched into third_party/glfw.
# The sources are copied into the build tree and our patches (shell/adopt/*.patch) applied to the
# copy, so the fetched tree stays pristine and nothing of GLFW enters the repository.
set(_glfw_src "${TESSELUME_THIRD_PARTY}/glfw")
if(NOT EXISTS "${_glfw_src}/src/win32_window.c")
  message(FATAL_ERROR "GLFW sources not found in ${_glfw_src}: run scripts/setup first")
endif()

set(_glfw_work "${CMAKE_BINARY_DIR}/glfw-patched")
file(GLOB _glfw_patches "${CMAKE_SOURCE_DIR}/shell/adopt/*.patch")
list(SORT _glfw_patches)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_glfw_patches})

file(REMOVE_RECURSE "${_glfw_work}")
file(COPY "${_glfw_src}/src" "${_glfw_src}/include" DESTINATION "${_glfw_work}")
foreach(_patch ${_glfw_patches})
  execute_process(COMMAND patch -p1 --quiet --forward -i "${_patch}"
                  WORKING_DIRECTORY "${_glfw_work}" RESULT_VARIABLE _rc)
  if(NOT _rc EQUAL 0)
    message(FATAL_ERROR "Applying ${_patch} to GLFW failed")
  endif()
endforeach()

set(_g "${_glfw_work}/src")
add_library(glfw STATIC
  ${_g}/context.c ${_g}/init.c ${_g}/input.c ${_g}/monitor.c ${_g}/vulkan.c ${_g}/window.c
  ${_g}/egl_context.c ${_g}/osmesa_context.c ${_g}/wgl_context.c
  ${_g}/win32_init.c ${_g}/win32_joystick.c ${_g}/win32_monitor.c ${_g}/win32_time.c
  ${_g}/win32_thread.c ${_g}/win32_window.c)
# Our additions to GLFW are compiled with its internal headers, as part of the library.
file(GLOB _glfw_additions "${CMAKE_SOURCE_DIR}/shell/adopt/*.c")
target_sources(glfw PRIVATE ${_glfw_additions})
target_include_directories(glfw PUBLIC "${_glfw_work}/include" PRIVATE "${_g}")
target_compile_definitions(glfw PRIVATE _GLFW_WIN32 UNICODE _UNICODE)
target_compile_definitions(glfw INTERFACE GLFW_INCLUDE_NONE)
target_compile_options(glfw PRIVATE -w)
target_link_libraries(glfw PUBLIC gdi32)
set(TESSELUME_GLFW_INTERNAL_INCLUDE "${_g}" CACHE INTERNAL "GLFW's internal headers, for tests of our additions")
