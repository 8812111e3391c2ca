#pragma once

#include "link/frame.h"

class TSerial;

// The instrument talks in lock-step: the program writes one byte and reads
// the one byte that answers it. A reply byte that did not arrive leaves its
// place in the reply as it was.
//
// Bytes that already wait in the input queue are thrown away first: a byte
// that came late, or that nobody asked for, would otherwise shift every later
// reply by one position for good.

// Runs the four steps of one exchange; returns how many reply bytes arrived
// (4 for a complete reply).
int runExchange(TSerial &port, const Frame &request, Frame &reply);

// One write-then-read step; returns true when a byte came back.
bool exchangeByte(TSerial &port, uint8_t request, uint8_t &reply);
