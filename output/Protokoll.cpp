#include "output/Protokoll.h"

namespace zol {

bool ProtokollVereinfachung = false;
bool ProtokollNormalform = false;
bool ProtokollPolynom = false;
bool ProtokollKumuliere = false;
bool ProtokollIntegral = false;
bool ProtokollRadikal = false;
bool ProtokollArOp = false;
bool DebugNachrichten = false;

} // namespace zol
