#pragma once

#include <functional>
#include <string>

#include "framework/Control.h"

namespace fw {

// A socket's design values.
struct SocketDesign {
  std::string Address;
  int Port = 0;
};

// What every socket has: the peer's address and the port, the code of the
// last error, and the events. The events are raised only when no program
// handler runs; one that comes up during a handler waits until it returns.
// See TCPSocket for the error codes.
class SocketCore : public Control {
 public:
  explicit SocketCore(fw::Window* window);
  ~SocketCore() override;

  // The host to connect to: a dotted address or a host name.
  const std::string& Address() const { return address_; }
  void SetAddress(const std::string& address) { address_ = address; }
  int Port() const { return port_; }
  void SetPort(int port) { port_ = port; }
  void SetProperties(const SocketDesign& design);

  virtual void Connect() = 0;
  // Stops listening and drops the connection, without an event.
  virtual void Close() = 0;
  virtual bool IsConnected() const = 0;

  // The code of the last error raised; 0 when none has been since the last
  // Connect or Listen.
  int LastErrorCode() const { return lastErrorCode_; }
  // This machine's address as others reach it: its first IPv4 address that
  // is not the loopback one, or "127.0.0.1" when it has none.
  std::string LocalAddress() const;
  // For tests: the code an Error handler will read, as if the socket had
  // raised it.
  void SetLastErrorCodeForTesting(int code) { lastErrorCode_ = code; }

  std::function<void()> Connected;
  std::function<void()> DataAvailable;
  std::function<void()> Error;

 protected:
  void SetLastErrorCode(int code) { lastErrorCode_ = code; }

 private:
  std::string address_;
  int port_ = 0;
  int lastErrorCode_ = 0;
};

}  // namespace fw
