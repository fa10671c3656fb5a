// The result of a file operation or an edit step: ok, or what failed, where, and why. Errors are
// values: nothing in the database layers throws, and a caller can always tell a missing file
// (NotFound) from one that exists but could not be used (IoError).
#pragma once

#include <string>
#include <utility>

#include "core/UserText.h"

namespace slotsmith {

class [[nodiscard]] Status {
 public:
  enum class Code { Ok, NotFound, AlreadyExists, IoError, Invalid, Refused };

  Status() = default;
  static Status ok() { return Status(); }
  static Status notFound(std::string path,
                         std::string reason = userText(USER_TEXT("Files",
                                                                 "no such file or folder"))) {
    return Status(Code::NotFound, std::move(path), std::move(reason));
  }
  static Status alreadyExists(std::string path,
                              std::string reason = userText(USER_TEXT("Files", "already exists"))) {
    return Status(Code::AlreadyExists, std::move(path), std::move(reason));
  }
  static Status ioError(std::string path, std::string reason) {
    return Status(Code::IoError, std::move(path), std::move(reason));
  }
  static Status invalid(std::string path, std::string reason) {
    return Status(Code::Invalid, std::move(path), std::move(reason));
  }
  static Status refused(std::string reason) { return Status(Code::Refused, {}, std::move(reason)); }

  bool isOk() const { return code_ == Code::Ok; }
  bool isNotFound() const { return code_ == Code::NotFound; }
  Code code() const { return code_; }
  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

  // "path: reason", or just the reason when no path is involved; "OK" for success.
  std::string message() const {
    if (isOk()) return "OK";
    return path_.empty() ? reason_ : path_ + ": " + reason_;
  }

 private:
  Status(Code code, std::string path, std::string reason)
      : code_(code), path_(std::move(path)), reason_(std::move(reason)) {}

  Code code_ = Code::Ok;
  std::string path_;
  std::string reason_;
};

}  // namespace slotsmith
