#include "framework/SocketCore.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace fw {

SocketCore::SocketCore(fw::Window* window) : Control(window) {}

SocketCore::~SocketCore() = default;

void SocketCore::SetProperties(const SocketDesign& design) {
  address_ = design.Address;
  port_ = design.Port;
}

std::string SocketCore::LocalAddress() const {
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    const auto flags = interface.flags();
    if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
        (flags & QNetworkInterface::IsLoopBack)) {
      continue;
    }
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      const QHostAddress address = entry.ip();
      if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback()) {
        return address.toString().toStdString();
      }
    }
  }
  return "127.0.0.1";
}

}  // namespace fw
