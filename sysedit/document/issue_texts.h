#pragma once

// The shared readers and writers describe what they notice in their own terms; the editor tells
// its authors in German, as the rest of its window does.

#include <string>

// The message of a read issue (Latin-1 in, Latin-1 out): what the reader noticed and what it did.
// A message the editor does not know still gives a German note.
std::string GermanReadNote(const std::string& message);

// A failed write's message (UTF-8 in, UTF-8 out), naming the file; the system's own reason is
// given in German where it is a common one, else as the system says it.
std::string GermanWriteError(const std::string& message);

// A reason the C library gives for a failed file operation (UTF-8), in German where known.
std::string GermanSystemReason(const std::string& reason);
