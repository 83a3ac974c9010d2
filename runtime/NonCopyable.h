#pragma once
// A base for classes that own something (a handle, a window, a thread) and so must not
// be copied: a copy would release it twice.
class NonCopyable {
 public:
  NonCopyable(const NonCopyable&) = delete;
  NonCopyable& operator=(const NonCopyable&) = delete;

 protected:
  NonCopyable() = default;
  ~NonCopyable() = default;
};
