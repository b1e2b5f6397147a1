#pragma once

// Shared by the session's files (session.cpp, session_requests.cpp, session_uploads.cpp); not
// for callers of the session.

#include <string>

#include "server/session.h"

// New accounts are counted per address over this window.
inline constexpr double kAccountWindowSeconds = 3600;

// A line about the client, through its address's log limit.
void Log(Session& session, const SessionClient& client, const std::string& text);

// Spends one token of the bucket; false when none is left.
bool TakeToken(RateBucket& bucket, double perSecond, double burst, double now);

// The player is no longer in play: the others delete its ship.
void LeavePlay(Session& session, SessionClient& client);

// Hello, create, delete and join.
void HandleRequest(Session& session, SessionClient& client, const NetMessage& message, double now);

// The bytes a connection received, less those of a refused upload.
void FeedClient(Session& session, SessionClient& client, std::string_view bytes);

// The client's next whole message; decides on a game upload when its head arrives.
NetStreamItem TakeClientMessage(Session& session, SessionClient& client, double now);

// A game that came back whole.
void HandleReturnedGame(Session& session, SessionClient& client, NetFile& file, double now);

// Gives back what the client's upload under way reserved.
void ReleaseUpload(Session& session, SessionClient& client);
