#pragma once
// Failures are exceptions with a message text. EAbort is the silent one: the
// application's trap drops it without showing anything.
#include <exception>
#include <string>

#include "platform/sys/String.h"

class Exception : public std::exception {
 public:
  explicit Exception(String message) : message_(std::move(message)), utf8_(StringToUtf8(message_)) {}
  const String& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  String message_;
  std::string utf8_;
};

class EAbort : public Exception {
 public:
  EAbort() : Exception(u"Operation aborted") {}
};

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Index out of range in a list ("List index out of bounds (5)").
class EListError : public Exception {
 public:
  using Exception::Exception;
};

[[noreturn]] inline void RaiseListIndexError(int Index) {
  throw EListError(u"List index out of bounds (" + Utf8ToString(std::to_string(Index)) + u")");
}

// A file or folder operation failed; the message names the file and the reason.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};
