# cmake -DRC=script.rc -DOUT=file.cpp -P embed_resources.cmake
# Writes the TEXTFILE and WAVE entries of a resource script as a table that registers itself with
# the native platform layer when the program starts.
get_filename_component(rc_dir "${RC}" DIRECTORY)
file(STRINGS "${RC}" lines REGEX "^[ \t]*[0-9]+[ \t]+(TEXTFILE|WAVE)[ \t]+\"")
set(arrays "")
set(entries "")
set(n 0)
foreach(line ${lines})
  string(REGEX REPLACE "^[ \t]*([0-9]+)[ \t]+([A-Z]+)[ \t]+\"([^\"]+)\".*" "\\1;\\2;\\3" parts "${line}")
  list(GET parts 0 id)
  list(GET parts 1 type)
  list(GET parts 2 path)
  file(READ "${rc_dir}/${path}" hex HEX)
  string(LENGTH "${hex}" hexlen)
  math(EXPR size "${hexlen} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char bytes${n}[] = {${bytes} 0};\n")
  string(APPEND entries "  {${id}u, \"${type}\", bytes${n}, ${size}ul},\n")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE "${OUT}.tmp" "// Generated from ${RC}; do not edit.
#include \"platform/native_resources.h\"
namespace {
${arrays}const platform::native::EmbeddedResource table[] = {
${entries}  {0u, \"\", nullptr, 0ul}};
[[maybe_unused]] const bool registered = (platform::native::registerResources(table, ${n}), true);
}  // namespace
")
file(RENAME "${OUT}.tmp" "${OUT}")
