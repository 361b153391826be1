#pragma once
// The errors that the platform raises and the program catches. Each carries the message text
// that a user sees; a few kinds are told apart because callers treat them differently.

#include <cstdint>
#include <exception>
#include <string>

namespace platform {

class Error : public std::exception {
 public:
  explicit Error(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// An input/output error with the operating system's code (Windows numbering).
class EInOutError : public Error {
 public:
  explicit EInOutError(int code) : Error(MessageFor(code)), code_(code) {}
  int Code() const { return code_; }
  // "File not found" (2), "Invalid filename" (3), "Too many open files" (4),
  // "File access denied" (5), else "I/O error %d".
  static std::string MessageFor(int code);

 private:
  int code_;
};

// A registry value of another type than the one asked for: "Invalid data type for '%s'".
class ERegistryException : public Error {
 public:
  using Error::Error;
};

// A platform control that refused to take an entry ("Unable to insert an item").
class EOutOfResources : public Error {
 public:
  using Error::Error;
};

// An index outside a list: "List index out of bounds (%d)".
class EListError : public Error {
 public:
  using Error::Error;
  static EListError OutOfBounds(int index);
};

// A printer list error: "There is no default printer currently selected",
// "Printer index out of range".
class EPrinter : public Error {
 public:
  using Error::Error;
};

// An operating system error with its code and the system's message for it.
class EOSError : public Error {
 public:
  EOSError(uint32_t code, std::string message) : Error(std::move(message)), code_(code) {}
  uint32_t Code() const { return code_; }

 private:
  uint32_t code_;
};

}  // namespace platform
