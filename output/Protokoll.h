// Trace switches. When a switch is on, a traced operation opens a step block with its name and input and
// closes it with its result. All start off; nothing in the program sets them.
#pragma once

namespace zol {

extern bool ProtokollVereinfachung;
extern bool ProtokollNormalform;
extern bool ProtokollPolynom;
extern bool ProtokollKumuliere;
extern bool ProtokollIntegral;
extern bool ProtokollRadikal;
extern bool ProtokollArOp;
extern bool DebugNachrichten;

} // namespace zol
