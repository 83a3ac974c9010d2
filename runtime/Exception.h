#pragma once
// Errors inside the plug-in are exceptions carrying the text shown to the user. Not a
// std::runtime_error: that class alone would link the library's copy-on-write string
// and its exception family into the plug-in.
#include <exception>
#include <string>
#include <utility>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  std::string Message() const { return message_; }

 private:
  std::string message_;
};
