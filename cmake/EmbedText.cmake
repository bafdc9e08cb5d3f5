# Writes a C++ source that holds files as byte arrays, and embeddedText(name) to find them: a
# program carries its page's HTML, CSS and JavaScript, and the sources it shows, with no string
# literal long enough to trouble a compiler (cl.exe refuses one past 64 KB).
#   cmake -DOUTPUT=file.cpp "-DFILES=name=path|name=path|..." -P EmbedText.cmake
string(REPLACE "|" ";" files "${FILES}")
set(arrays "")
set(table "")
set(index 0)
foreach(entry IN LISTS files)
  string(FIND "${entry}" "=" equals)
  string(SUBSTRING "${entry}" 0 ${equals} name)
  math(EXPR start "${equals} + 1")
  string(SUBSTRING "${entry}" ${start} -1 path)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes a line.
  string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "// ${name}\nconst unsigned char file${index}[] = {\n    ${bytes}0x00};\n")
  string(APPEND table "    {\"${name}\", file${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by cmake/EmbedText.cmake from the files it names: not to be edited.
#include <cstddef>
#include <string_view>

namespace {

${arrays}
struct Embedded {
    const char* name;
    const unsigned char* bytes;
    std::size_t size;
};

const Embedded embedded[] = {
${table}};

}  // namespace

std::string_view embeddedText(std::string_view name) {
    for (const Embedded& file : embedded) {
        if (name == file.name) {
            return {reinterpret_cast<const char*>(file.bytes), file.size};
        }
    }
    return {};
}
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
