#include "support/FaultInjectingFileSystem.h"

namespace slotsmith::testing {

namespace {

Status injected(const std::string& path) {
  return Status::ioError(path, "injected failure");
}

}  // namespace

bool FaultInjectingFileSystem::shouldFail() {
  const bool fail = failAt_ && (crashes_ ? changes_ >= *failAt_ : changes_ == *failAt_);
  ++changes_;
  if (fail) faultHappened_ = true;
  return fail;
}

Status FaultInjectingFileSystem::readFile(const std::string& path, std::string& contents,
                                          std::size_t maxBytes, bool* truncated) {
  const bool fail = failReadAt_ && reads_ == *failReadAt_;
  ++reads_;
  if (fail) {
    faultHappened_ = true;
    contents.clear();
    return injected(path);
  }
  return inner_.readFile(path, contents, maxBytes, truncated);
}

Status FaultInjectingFileSystem::createFile(const std::string& path, const std::string& contents) {
  if (shouldFail()) return injected(path);
  return inner_.createFile(path, contents);
}

Status FaultInjectingFileSystem::createFolder(const std::string& path) {
  if (shouldFail()) return injected(path);
  return inner_.createFolder(path);
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

Status FaultInjectingFileSystem::renameFile(const std::string& from, const std::string& to) {
  if (shouldFail()) return injected(from);
  return inner_.renameFile(from, to);
}

Status FaultInjectingFileSystem::appendToFileDurably(const std::string& path,
                                                     const std::string& text) {
  if (shouldFail()) return injected(path);
  return inner_.appendToFileDurably(path, text);
}

Status FaultInjectingFileSystem::syncFileSystem(const std::string& path) {
  if (shouldFail()) return injected(path);
  return inner_.syncFileSystem(path);
}

Status FaultInjectingFileSystem::removeFolder(const std::string& path) {
  if (shouldFail()) return injected(path);
  return inner_.removeFolder(path);
}

}  // namespace slotsmith::testing
