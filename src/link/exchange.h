#pragma once

#include "link/frame.h"

class TSerial;

// The instrument talks in lock-step: the program writes one byte and reads
// the one byte that answers it. A reply byte that did not arrive leaves its
// place in the reply as it was.
//
// Once one reply byte has not come back, the reply can no longer be whole, so
// the rest of the exchange waits for nothing: a silent instrument holds the
// window for one read time-out, not four. The rest of the request still goes
// out, so that an instrument that only lost one answer is not left half-way
// through a frame, taking our next request for the end of this one; its
// answers to that rest are given a moment to come and are thrown away.
//
// Bytes that already wait in the input queue are thrown away first: a byte
// that came late, or that nobody asked for, would otherwise shift every later
// reply by one position for good.

// Runs one exchange; returns how many reply bytes arrived (4 for a complete
// reply).
int runExchange(TSerial &port, const Frame &request, Frame &reply);

// One write-then-read step; returns true when a byte came back.
bool exchangeByte(TSerial &port, uint8_t request, uint8_t &reply);
