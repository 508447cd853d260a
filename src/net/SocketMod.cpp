#include "net/SocketMod.h"

namespace SocketMod {

std::string inBuffer;
bool isHost = false;
bool SocketIsVisible = false;

void SendData(const std::string& /*text*/) {
  // No connection can be made in this build: nothing to write to.
}

void Release() {
  inBuffer.clear();
  isHost = false;
  SocketIsVisible = false;
}

}  // namespace SocketMod
