#include "core/FileSystem.h"

namespace slotsmith {

std::string pathWithForwardSlashes(std::string_view path) {
  return std::string(path);
}

}  // namespace slotsmith
