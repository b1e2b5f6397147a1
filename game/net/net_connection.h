#pragma once

#include <string_view>

#include "formats/protocol.h"
#include "formats/protocol_stream.h"
#include "game/net/net_state.h"
#include "game/net/server_address.h"

// The connection to the game server. Connecting runs on a thread of its own, which stores its
// result in one atomic value and touches nothing else; everything else happens on the main thread
// once per frame: queued bytes are sent as the socket takes them and arrived bytes go into the
// stream reader, whose messages the screens and flight take in arrival order.

// Closes any connection and starts connecting to `address`.
void StartConnecting(NetState& net, const ServerAddress& address);

// Takes the connect thread's result once it is there: true when the connection has just been
// made (ServerConnection 1); a failure sets ServerConnection to 12.
bool TakeConnectResult(NetState& net);

bool Connected(const NetState& net);

// Queues a message (or a file-transfer unit) for the server; nothing without a connection.
void SendToServer(NetState& net, const NetMessage& message);
void SendFileToServer(NetState& net, std::string_view fileBytes);

// The file just queued is a returned game: it counts as arrived once all of it went to the
// socket and the connection then stayed open without an error for 2 seconds, or until the server
// sent something. The protocol has no acknowledgement; this is the nearest to one.
void ExpectReturnConfirmation(NetState& net);

// True once, when a returned game has come to count as arrived.
bool TakeReturnConfirmed(NetState& net);

// Sends what is queued and reads what has arrived. False when the connection was lost now: it is
// closed and `lostReason` says why. Messages that arrived before the end can still be taken.
bool PumpConnection(NetState& net);

// The next whole message that has arrived. A character list that ends with the bytes received
// is held back (kNeedMore) for a moment after they came, in case the rest of it follows. A
// message past the reader's bounds ends the
// connection (kMalformed, `lostReason` set); an unknown code is passed on for the caller to skip.
NetStreamItem NextServerMessage(NetState& net);

// Closes the connection after giving the socket a moment to take what is still queued (and a
// returned game up to 2 seconds to count as arrived), and abandons a connect in progress.
// ServerConnection becomes 0.
void CloseServerConnection(NetState& net);
