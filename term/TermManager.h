// The unique-term store: one object per distinct term built through its builders, freed all at once.
#pragma once

#include <string>

#include "term/Brueche.h"
#include "term/Grundtypen.h"

namespace zol {

class TTerm;
class TRationaleKonstante;

TTerm* RationaleKonstante(const TBruch& B);
TTerm* BenannteKonstante(const std::string& name);
TTerm* ReelleKonstante(Extended wert);
TTerm* OperatorTerm(TTerm* T1, TTerm* T2, char op);
TTerm* PotenzTerm(TTerm* basis, const TBruch& exponent);
TTerm* PotenzTerm(TTerm* basis, Int64 exponent);
TTerm* WurzelTerm(TTerm* radikand, Int32 index);
TTerm* StandardFunktionTerm(const std::string& name, TTerm* argument);

// Frees every term of the store (and everything else the request created).
void AlleTermeFreigeben();

} // namespace zol
