#pragma once

#include <cstddef>
#include <string>

// Network play's shared state: the text received from the peer and not yet
// parsed, this side's role, and whether the network window is up; and the
// line protocol by which the two sides start games, exchange moves and pass
// the turn.
//
// A message is one line: the command word, the separator Module1::sep (the
// single byte 187), for StartGame and PickHole the decimal argument followed
// by the separator again, then a carriage return. Hole numbers are the
// board's own 1..14 on both sides.
namespace SocketMod {

extern std::string inBuffer;
// This side hosts the game and plays player 1.
extern bool isHost;
// The network window is up and not connected.
extern bool SocketIsVisible;
// This side joined, and the host's first StartGame has not been applied
// yet: until it is, this side has no board of the game to act on.
extern bool awaitingStart;

// The receive buffer's bound. Once it holds this much, it takes no more
// reads while complete lines wait in it; but one read may bring up to the
// socket's own 64 KiB, and the complete lines of that read are kept too, so
// the buffer can hold up to about twice this, 128 KiB. Another copy of the
// game sends a few short lines per move; only a peer that sends junk, or
// lines faster than they are parsed, comes near it.
inline constexpr std::size_t kMaxBuffered = 64 * 1024;

// Writes one complete message line to the network window's socket.
void SendData(const std::string& text);

// Whether the buffer has room for more received text: it has none while it
// is full and holds complete lines that wait to be parsed. Until then the
// network window leaves received bytes in the socket, which stops reading
// and stalls the peer: complete lines are never thrown away.
bool HasRoom();

// Appends text received from the peer to the buffer. When the buffer then
// holds more than kMaxBuffered bytes, the line still open at its end,
// which no copy of the game would send, is dropped; the complete lines
// before it are kept.
void Receive(const std::string& text);

// Takes the first complete line out of the buffer and applies it to the game
// window; a partial line waits for the rest of its text. One line per call.
void ParseIt();

// Before this side acts on its board: reads what the socket holds into the
// buffer, as the network window's receive handlers do, then applies every
// complete line in it, in order, as the parse timer would. Only the lines
// complete now: a peer that keeps sending cannot hold the action back.
// Nothing without an open network window.
void CatchUp();

void Release();

}  // namespace SocketMod
