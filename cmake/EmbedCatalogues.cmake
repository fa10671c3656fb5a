# Writes OUTPUT, a C++ file that holds the compiled catalogues in CATALOGUES (pairs of a language
# code and a .mo file) as byte arrays, and the list of them: the command line carries its
# translations inside, wherever it is installed or copied to.
#   cmake -DOUTPUT=file.cpp -DCATALOGUES="de;de.mo;fr;fr.mo" -P EmbedCatalogues.cmake
set(arrays "")
set(entries "")
set(index 0)
list(LENGTH CATALOGUES length)
while(index LESS length)
  list(GET CATALOGUES ${index} language)
  math(EXPR next "${index} + 1")
  list(GET CATALOGUES ${next} file)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n"
         bytes "${bytes}")
  string(APPEND arrays "alignas(4) const unsigned char k_${language}[] = {\n${bytes}};\n")
  string(APPEND entries "    {\"${language}\", {reinterpret_cast<const char*>(k_${language}), sizeof k_${language}}},\n")
  math(EXPR index "${index} + 2")
endwhile()
file(WRITE "${OUTPUT}.new" "// Made by cmake/EmbedCatalogues.cmake from translations/*.ts; do not edit.
#include \"cli/CliLanguage.h\"

namespace slotsmith::cli {
namespace {
${arrays}}  // namespace

std::vector<EmbeddedCatalogue> embeddedCatalogues() {
  return {
${entries}  };
}

}  // namespace slotsmith::cli
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
