#pragma once
// A buffer inside another process, for control messages whose pointer argument the system does
// not carry across processes (the status bar's SB_GETTEXT, SB_GETPARTS).

#include <windows.h>

#include <cstddef>

namespace e2e {

class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner_window, size_t size);  // in the process that owns the window
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool valid() const { return address_ != nullptr; }
  LPARAM address() const { return reinterpret_cast<LPARAM>(address_); }
  bool Read(void* into, size_t size) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
};

}  // namespace e2e
