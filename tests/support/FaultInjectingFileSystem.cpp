#include "support/FaultInjectingFileSystem.h"

namespace slotsmith::testing {

namespace {

Status injected(const std::string& path) {
  return Status::ioError(path, "injected failure");
}

}  // namespace

bool FaultInjectingFileSystem::shouldFail() {
  const bool fail = failAt_ && changes_ == *failAt_;
  ++changes_;
  if (fail) faultHappened_ = true;
  return fail;
}

Status FaultInjectingFileSystem::writeFileAtomically(const std::string& path,
                                                     const std::string& contents) {
  if (shouldFail()) return injected(path);
  return inner_.writeFileAtomically(path, contents);
}

Status FaultInjectingFileSystem::renameFolder(const std::string& from, const std::string& to) {
  if (shouldFail()) return injected(from);
  return inner_.renameFolder(from, to);
}

Status FaultInjectingFileSystem::copyFolder(const std::string& from, const std::string& to) {
  if (shouldFail()) return injected(from);
  return inner_.copyFolder(from, to);
}

Status FaultInjectingFileSystem::removeFolder(const std::string& path) {
  if (shouldFail()) return injected(path);
  return inner_.removeFolder(path);
}

}  // namespace slotsmith::testing
