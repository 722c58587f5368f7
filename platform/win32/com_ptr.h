#pragma once
// Owns one reference to a COM interface and releases it exactly once.

#include <unknwn.h>

#include <utility>

namespace vx::win32 {

template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference that the caller already owns.
  static ComPtr Adopt(Interface* pointer) {
    ComPtr owner;
    owner.pointer_ = pointer;
    return owner;
  }
  // Adds a reference of its own.
  static ComPtr Share(Interface* pointer) {
    if (pointer) pointer->AddRef();
    return Adopt(pointer);
  }
  ~ComPtr() { Release(); }

  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Release();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface& operator*() const { return *pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // For functions that hand out a new reference through an out parameter.
  Interface** put() {
    Release();
    return &pointer_;
  }
  void** put_void() { return reinterpret_cast<void**>(put()); }

  // Drops the reference; returns what Release returned (0 when there was none).
  ULONG Release() {
    Interface* pointer = std::exchange(pointer_, nullptr);
    return pointer ? pointer->Release() : 0;
  }

  // Another interface of the same object, or an empty pointer when it offers none.
  template <typename Other>
  ComPtr<Other> As(REFIID iid) const {
    ComPtr<Other> other;
    if (pointer_ && FAILED(pointer_->QueryInterface(iid, other.put_void()))) other.Release();
    return other;
  }

 private:
  Interface* pointer_ = nullptr;
};

}  // namespace vx::win32
