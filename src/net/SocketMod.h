#pragma once

#include <string>

// Network play's shared state: the text received from the peer and not yet
// parsed, this side's role, and whether the network window is up.
namespace SocketMod {

extern std::string inBuffer;
// This side hosts the game and plays player 1.
extern bool isHost;
// The network window is up and not connected.
extern bool SocketIsVisible;

// Writes one complete message line to the connection.
void SendData(const std::string& text);

void Release();

}  // namespace SocketMod
