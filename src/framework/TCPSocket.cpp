#include "framework/TCPSocket.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <utility>

#include "framework/Runtime.h"

namespace fw {
namespace {

bool ValidPort(int port) { return port >= 0 && port <= 65535; }

// Ends a connection without raising anything: what was written is handed to
// the system first, and the peer sees an orderly close.
void Discard(std::unique_ptr<QTcpSocket> connection, QObject* context) {
  if (!connection) return;
  QObject::disconnect(connection.get(), nullptr, context, nullptr);
  if (connection->state() == QAbstractSocket::ConnectedState) {
    connection->flush();
    connection->disconnectFromHost();
  }
  connection->abort();
}

}  // namespace

int TCPSocket::ErrorCodeFor(QAbstractSocket::SocketError error, bool connected) {
  switch (error) {
    case QAbstractSocket::UnsupportedSocketOperationError:
    case QAbstractSocket::SocketResourceError:
      return kErrorNetworkUnavailable;
    case QAbstractSocket::RemoteHostClosedError:
      return kErrorConnectionClosed;
    case QAbstractSocket::NetworkError:
      return connected ? kErrorConnectionClosed : kErrorNotYetConnected;
    case QAbstractSocket::ConnectionRefusedError:
    case QAbstractSocket::HostNotFoundError:
    case QAbstractSocket::SocketTimeoutError:
    case QAbstractSocket::TemporaryError:
      return kErrorNotYetConnected;
    case QAbstractSocket::AddressInUseError:
      return kErrorAddressInUse;
    case QAbstractSocket::OperationError:
      return kErrorInvalidUse;
    default:
      return kErrorOtherBase + static_cast<int>(error);
  }
}

TCPSocket::TCPSocket(fw::Window* window) : SocketCore(window), context_(std::make_unique<QObject>()) {}

TCPSocket::~TCPSocket() {
  alive_.reset();
  Reset();
}

void TCPSocket::Reset() {
  ++generation_;
  dataQueued_ = false;
  listened_ = false;
  hadConnection_ = false;
  lossReported_ = false;
  if (server_) {
    QObject::disconnect(server_.get(), nullptr, context_.get(), nullptr);
    server_->close();
    server_.reset();
  }
  Discard(std::move(connection_), context_.get());
}

void TCPSocket::Connect() {
  Reset();
  SetLastErrorCode(0);
  if (!ValidPort(Port()) || Port() == 0) {
    Raise(SocketEvent::kError, kErrorInvalidUse);
    return;
  }
  auto connection = std::make_unique<QTcpSocket>();
  QTcpSocket* raw = connection.get();
  Attach(connection.release(), false);
  raw->connectToHost(QString::fromStdString(Address()), static_cast<quint16>(Port()));
}

void TCPSocket::Listen() {
  Reset();
  SetLastErrorCode(0);
  if (!ValidPort(Port())) {
    Raise(SocketEvent::kError, kErrorInvalidUse);
    return;
  }
  listened_ = true;
  server_ = std::make_unique<QTcpServer>();
  server_->setMaxPendingConnections(1);
  QObject::connect(server_.get(), &QTcpServer::newConnection, context_.get(), [this] { Accept(); });
  if (!server_->listen(QHostAddress::AnyIPv4, static_cast<quint16>(Port()))) {
    const int code = ErrorCodeFor(server_->serverError(), false);
    QObject::disconnect(server_.get(), nullptr, context_.get(), nullptr);
    server_.reset();
    Raise(SocketEvent::kError, code);
    return;
  }
  if (Port() == 0) SetPort(server_->serverPort());
}

void TCPSocket::Accept() {
  if (!server_) return;
  while (QTcpSocket* peer = server_->nextPendingConnection()) {
    if (connection_ || !server_->isListening()) {
      // One peer only.
      peer->abort();
      delete peer;
      continue;
    }
    peer->setParent(nullptr);
    Attach(peer, true);
    // Later peers are refused by the system.
    server_->close();
    Raise(SocketEvent::kConnected);
    if (peer->bytesAvailable() > 0) Raise(SocketEvent::kData);
  }
}

void TCPSocket::Attach(QTcpSocket* connection, bool connected) {
  connection_.reset(connection);
  connection->setReadBufferSize(kReadBufferSize);
  hadConnection_ = connected;
  lossReported_ = false;
  QObject* context = context_.get();
  QObject::connect(connection, &QTcpSocket::connected, context, [this] {
    hadConnection_ = true;
    Raise(SocketEvent::kConnected);
  });
  QObject::connect(connection, &QTcpSocket::readyRead, context, [this] { Raise(SocketEvent::kData); });
  QObject::connect(connection, &QTcpSocket::errorOccurred, context,
                   [this](QAbstractSocket::SocketError error) { ConnectionError(error); });
  QObject::connect(connection, &QTcpSocket::disconnected, context, [this] { ConnectionGone(); });
}

void TCPSocket::ConnectionError(QAbstractSocket::SocketError error) {
  const int code = ErrorCodeFor(error, hadConnection_);
  if (code == kErrorConnectionClosed) {
    if (lossReported_) return;
    lossReported_ = true;
  }
  Raise(SocketEvent::kError, code);
}

void TCPSocket::ConnectionGone() {
  if (!hadConnection_ || lossReported_) return;
  lossReported_ = true;
  Raise(SocketEvent::kError, kErrorConnectionClosed);
}

void TCPSocket::Close() { Reset(); }

bool TCPSocket::IsConnected() const {
  return connection_ && connection_->state() == QAbstractSocket::ConnectedState;
}

bool TCPSocket::IsListening() const { return server_ && server_->isListening(); }

void TCPSocket::Write(const std::string& data) {
  if (!IsConnected()) {
    Raise(SocketEvent::kError, kErrorInvalidUse);
    return;
  }
  if (data.empty()) return;
  connection_->write(data.data(), static_cast<qint64>(data.size()));
  connection_->flush();
}

std::string TCPSocket::ReadAll() {
  if (!connection_) return {};
  const QByteArray bytes = connection_->readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

int TCPSocket::BytesAvailable() const {
  return connection_ ? static_cast<int>(connection_->bytesAvailable()) : 0;
}

void TCPSocket::Raise(SocketEvent event, int code) {
  if (event == SocketEvent::kData) {
    if (dataQueued_) return;
    dataQueued_ = true;
  }
  std::weak_ptr<bool> alive = alive_;
  const unsigned generation = generation_;
  DeliverWhenIdle([this, alive, generation, event, code] {
    if (!alive.lock() || generation != generation_) return;
    switch (event) {
      case SocketEvent::kConnected:
        if (Connected) Connected();
        break;
      case SocketEvent::kData:
        dataQueued_ = false;
        if (BytesAvailable() > 0 && DataAvailable) DataAvailable();
        break;
      case SocketEvent::kError:
        SetLastErrorCode(code);
        if (Error) Error();
        break;
    }
  });
}

}  // namespace fw
