#include "steps/Schrittflags.h"

namespace zol {

std::array<bool, SchrittAnzahl> Schrittflags{};
Int32 AbleitungsGrad = 0;
Int64 SimpsonTeilintervalle = 1000000;

} // namespace zol
