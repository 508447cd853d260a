#pragma once

#include <QAbstractSocket>
#include <memory>
#include <string>

#include "framework/SocketCore.h"

class QObject;
class QTcpServer;
class QTcpSocket;

namespace fw {

// A TCP connection, made by connecting to a host (Connect) or by waiting for
// one peer to connect (Listen). Bytes go out and come in unchanged.
//
// Events: Connected when the connection stands (on both roads),
// DataAvailable when received bytes wait to be read, Error when something
// went wrong; LastErrorCode then tells what. No event is raised while a
// program handler runs: it waits until the outermost handler has returned,
// and received bytes stay in the socket until then. Several arrivals of data
// before the program reads make one DataAvailable. Close, Connect and Listen
// drop the events still waiting from before.
//
// The socket holds at most kReadBufferSize received bytes that the program
// has not read. Beyond that it stops reading: further bytes wait in the
// system, and TCP's flow control stalls the peer's sends until the program
// reads again. Nothing is lost, and a peer that sends without end cannot
// make the program's memory grow.
//
// Error codes:
//
//   100  the network cannot be used: the system has no TCP/IP for the
//        socket (UnsupportedSocketOperationError) or no resources for another
//        socket (SocketResourceError).
//   102  the connection was closed or lost: the peer closed it
//        (RemoteHostClosedError, or a disconnection without an error), or
//        the network failed while it stood (NetworkError once connected).
//        The same on either side, whether this socket connected or listened.
//   103  no connection yet, and trying again later makes sense: the host
//        refused it (ConnectionRefusedError), is unknown
//        (HostNotFoundError), did not answer in time (SocketTimeoutError),
//        could not be reached (NetworkError while connecting), or the
//        system asked to retry (TemporaryError).
//   105  the port is taken: Listen on a port that another socket already
//        uses (AddressInUseError).
//   106  invalid use of the socket: Write without a connection, Connect to a
//        port outside 1..65535 or Listen on one outside 0..65535 (0 listens
//        on a free port), or an operation the socket's state does not allow
//        (OperationError).
//   200 + n  any other Qt socket error, n being its QAbstractSocket::SocketError
//        value (for instance 203 for SocketAccessError, 199 for
//        UnknownSocketError).
//
// Closing the socket, whatever the state of its peer, raises nothing.
class TCPSocket : public SocketCore {
 public:
  static constexpr int kErrorNetworkUnavailable = 100;
  static constexpr int kErrorConnectionClosed = 102;
  static constexpr int kErrorNotYetConnected = 103;
  static constexpr int kErrorAddressInUse = 105;
  static constexpr int kErrorInvalidUse = 106;
  static constexpr int kErrorOtherBase = 200;

  static constexpr int kReadBufferSize = 64 * 1024;

  // The code that a Qt socket error is reported with; connected tells
  // whether the connection had stood when it happened.
  static int ErrorCodeFor(QAbstractSocket::SocketError error, bool connected);

  explicit TCPSocket(fw::Window* window);
  ~TCPSocket() override;

  // Drops what the socket had, then connects to Address on Port.
  void Connect() override;
  // Drops what the socket had, then waits on Port, on every IPv4 address of
  // this machine, for one peer. The first peer becomes this socket's
  // connection and listening stops; a peer that comes with it is closed at
  // once, and later ones are refused. With Port 0 a free port is chosen, and
  // Port tells it afterwards.
  void Listen();
  void Close() override;
  bool IsConnected() const override;
  bool IsListening() const;
  // Whether the socket was last started by Listen, not by Connect (nor
  // closed since): a connection it makes is then one it accepted. It stays
  // so once the connection stands and listening has stopped.
  bool Listened() const { return listened_; }

  // Sends the bytes as they are. Without a connection it raises Error 106.
  void Write(const std::string& data);
  // All bytes received and not yet read, at most kReadBufferSize; the
  // socket's buffer is then empty and it reads on.
  std::string ReadAll();
  int BytesAvailable() const;

 private:
  enum class SocketEvent { kConnected, kData, kError };

  void Reset();
  void Attach(QTcpSocket* connection, bool connected);
  void Accept();
  void ConnectionError(QAbstractSocket::SocketError error);
  void ConnectionGone();
  void Raise(SocketEvent event, int code = 0);

  std::unique_ptr<QObject> context_;
  std::unique_ptr<QTcpServer> server_;
  std::unique_ptr<QTcpSocket> connection_;
  bool listened_ = false;
  bool hadConnection_ = false;
  bool lossReported_ = false;
  bool dataQueued_ = false;
  unsigned generation_ = 0;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace fw
