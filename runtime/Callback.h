#pragma once
// An event handler: a function or a small lambda (capturing pointers and references)
// kept by value and called through one pointer. Unlike std::function it needs no
// per-lambda copy and destroy code, which was a fortieth of the plug-in's image.
#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

template <class Signature>
class Callback;

template <class Result, class... Args>
class Callback<Result(Args...)> {
 public:
  Callback() = default;
  Callback(std::nullptr_t) {}
  template <class Function, class = std::enable_if_t<!std::is_same_v<std::decay_t<Function>, Callback>>>
  Callback(Function function) : call_(&Call<Function>) {
    static_assert(sizeof(Function) <= sizeof(captures_) && alignof(Function) <= alignof(void*),
                  "a handler captures at most three pointers or references");
    static_assert(std::is_trivially_copyable_v<Function> && std::is_trivially_destructible_v<Function>,
                  "a handler captures pointers and references only");
    new (captures_) Function(std::move(function));
  }

  explicit operator bool() const { return call_ != nullptr; }
  bool operator==(std::nullptr_t) const { return call_ == nullptr; }
  bool operator!=(std::nullptr_t) const { return call_ != nullptr; }

  Result operator()(Args... args) const { return call_(captures_, std::forward<Args>(args)...); }

 private:
  template <class Function>
  static Result Call(const void* captures, Args... args) {
    return (*static_cast<Function*>(const_cast<void*>(captures)))(std::forward<Args>(args)...);
  }

  Result (*call_)(const void* captures, Args...) = nullptr;
  alignas(void*) unsigned char captures_[3 * sizeof(void*)] = {};
};
