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
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

namespace {

${arrays}
// cppcheck takes the members that find_if's result reads for unused.
struct Embedded {
    const char* name;
    // cppcheck-suppress unusedStructMember
    const unsigned char* bytes;
    // cppcheck-suppress unusedStructMember
    std::size_t size;
};

const Embedded embedded[] = {
${table}};

}  // namespace

std::string_view embeddedText(std::string_view name) {
    const auto* found = std::find_if(std::begin(embedded), std::end(embedded),
                                     [name](const Embedded& file) { return name == file.name; });
    if (found == std::end(embedded)) return {};
    return {reinterpret_cast<const char*>(found->bytes), found->size};
}
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
