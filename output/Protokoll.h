// Aids for following what the system computes.
//
// Trace switches: when a switch is on, a traced operation opens a step block with its name, ":" and its
// input and closes it with its name, "=" and its result. All start off; nothing in the program sets them.
//
// The debug line channel (DebugNachrichten): every opening and closing of a step block is also sent as one
// text line over its own TCP connection to DebugHost:DebugPort, led by a bar that shows the nesting depth
// (Balken and SendeDebugNachricht in output/Ausgabe.h). A listener that does not answer costs at most the
// host's connect timeout of one second; a refused or failed connection sends nothing and raises nothing.
//
// Step timing: StarteZeitmessung and SchreibeZeitmessung write the milliseconds a computation took,
// measured on the host's monotonic clock.
#pragma once

#include <cstdint>
#include <string>

#include "term/Grundtypen.h"

namespace zol {

extern bool ProtokollVereinfachung;
extern bool ProtokollNormalform;
extern bool ProtokollPolynom;
extern bool ProtokollKumuliere;
extern bool ProtokollIntegral;
extern bool ProtokollRadikal;
extern bool ProtokollArOp;
extern bool DebugNachrichten;

// Where the debug lines go; the options window sets them ("localhost" and 5000 at start).
extern std::string DebugHost;
extern uint16_t DebugPort;

// The clock reading of the last StarteZeitmessung, in milliseconds.
extern Int64 Startzeit;

void StarteZeitmessung();
// Writes the line " [n ms]" with the milliseconds since the last StarteZeitmessung.
void SchreibeZeitmessung();

} // namespace zol
