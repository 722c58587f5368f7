#pragma once
// Owns one Win32 handle and closes it with the function that belongs to its kind.

#include <windows.h>

#include <utility>

namespace vx::win32 {

// Close is a function object rather than a function pointer: the address of an imported system
// function is not a constant that every compiler accepts as a template argument.
template <typename Handle, typename Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle handle = nullptr) {
    if (handle_) Close()(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct CloseIcon {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<HICON, CloseIcon>;

}  // namespace vx::win32
