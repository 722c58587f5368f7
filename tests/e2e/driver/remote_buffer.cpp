#include "remote_buffer.h"

namespace e2e {

RemoteBuffer::RemoteBuffer(HWND owner_window, size_t size) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(owner_window, &process_id);
  process_ =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process_id);
  if (process_ != nullptr)
    address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_ != nullptr) CloseHandle(process_);
}

bool RemoteBuffer::Read(void* into, size_t size) const {
  SIZE_T read = 0;
  return valid() && ReadProcessMemory(process_, address_, into, size, &read) && read == size;
}

}  // namespace e2e
