#pragma once
// A tiny HTTP server on 127.0.0.1 for tests: it records each request line byte for byte and answers
// every request with a small page. It runs on a thread of its own while the test pumps messages.

#include <winsock2.h>  // before windows.h

#include <windows.h>

#include <string>
#include <vector>

namespace vx::win32::test {

class LoopbackHttpServer {
 public:
  LoopbackHttpServer() {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    InitializeCriticalSection(&lock_);
    arrived_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;  // a free port, whichever
    int length = sizeof address;
    if (listener_ == INVALID_SOCKET ||
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
      return;
    port_ = ntohs(address.sin_port);
    thread_ = CreateThread(nullptr, 0, &LoopbackHttpServer::Serve, this, 0, nullptr);
  }
  ~LoopbackHttpServer() {
    if (listener_ != INVALID_SOCKET) closesocket(listener_);  // ends the accept loop
    if (thread_) {
      WaitForSingleObject(thread_, 5000);
      CloseHandle(thread_);
    }
    CloseHandle(arrived_);
    DeleteCriticalSection(&lock_);
    if (started_) WSACleanup();
  }
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  bool running() const { return thread_ != nullptr; }
  int port() const { return port_; }
  HANDLE request_arrived() const { return arrived_; }  // auto-reset, set once per request

  std::vector<std::string> request_lines() {
    EnterCriticalSection(&lock_);
    std::vector<std::string> lines = lines_;
    LeaveCriticalSection(&lock_);
    return lines;
  }

 private:
  static DWORD WINAPI Serve(void* self) {
    auto& server = *static_cast<LoopbackHttpServer*>(self);
    for (;;) {
      SOCKET client = accept(server.listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) return 0;
      server.Answer(client);
      closesocket(client);
    }
  }

  void Answer(SOCKET client) {
    std::string received;
    char buffer[1024];
    while (received.find("\r\n\r\n") == std::string::npos) {
      const int count = recv(client, buffer, sizeof buffer, 0);
      if (count <= 0) break;
      received.append(buffer, static_cast<size_t>(count));
    }
    EnterCriticalSection(&lock_);
    lines_.push_back(received.substr(0, received.find("\r\n")));
    LeaveCriticalSection(&lock_);
    SetEvent(arrived_);
    static const char kPage[] =
        "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 43\r\n"
        "Connection: close\r\n\r\n<html><head><title>T</title></head></html>\n";
    send(client, kPage, sizeof kPage - 1, 0);
  }

  bool started_ = false;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  HANDLE thread_ = nullptr;
  HANDLE arrived_ = nullptr;
  CRITICAL_SECTION lock_;
  std::vector<std::string> lines_;
};

}  // namespace vx::win32::test
