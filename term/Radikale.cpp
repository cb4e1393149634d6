#include "term/Radikale.h"

#include "term/Fehler.h"

namespace zol {

bool RGleich(const TRadikal& a, const TRadikal& b) {
    if (a.Radikand != b.Radikand || a.Wurzelexponent != b.Wurzelexponent) return false;
    if (a.Polynom.Grad != b.Polynom.Grad) return false;
    for (Int32 i = 0; i <= a.Polynom.Grad; ++i) {
        TTerm* ca = a.Polynom.Koeff[i];
        TTerm* cb = b.Polynom.Koeff[i];
        if (ca == cb) continue;
        if (!ca || !cb || !ca->IstGleich(cb)) return false;
    }
    return true;
}

void BruchVonKonstante(TTerm* T, TBruch& b) {
    if (auto* r = AlsRationaleKonstante(T)) {
        b = r->Bruch;
    } else if (auto* rad = AlsRadikalKonstante(T)) {
        BruchVonKonstante(rad->Radikal.Polynom.Koeff[0], b);
    } else {
        b = BruchNull;
    }
}

std::string RadikalToStr(const TRadikal& a) {
    std::string s = "Rad(" + std::to_string(a.Radikand) + "," + std::to_string(a.Wurzelexponent) + ";";
    for (Int32 i = 0; i <= a.Polynom.Grad; ++i) {
        TBruch b;
        BruchVonKonstante(a.Polynom.Koeff[i], b);
        s += Brueche::BruchToStr(b) + ",";
    }
    s.back() = ')';
    return s;
}

TRadikalKonstante::TRadikalKonstante(const TRadikal& r) : Radikal(r) {
    Kennung = "Rad.";
    Typrang = RangRadikal;
    Text = RadikalToStr(Radikal);
}

bool TRadikalKonstante::IstNull() {
    const TPolynom& p = Radikal.Polynom;
    return p.Grad == 0 && p.Koeff[0] && p.Koeff[0]->IstNull();
}

bool TRadikalKonstante::IstRational() {
    return Radikal.Polynom.Grad == 0;
}

bool TRadikalKonstante::HatWert(const TBruch& B) {
    const TPolynom& p = Radikal.Polynom;
    return p.Grad == 0 && p.Koeff[0] && p.Koeff[0]->HatWert(B);
}

bool TRadikalKonstante::IstGleich(TTerm* T) {
    if (auto* r = AlsRadikalKonstante(T)) return RGleich(Radikal, r->Radikal);
    if (auto* q = AlsRationaleKonstante(T)) return HatWert(q->Bruch);
    return false;
}

// The radicals' own arithmetic, order, value and typesetting come with the radical unit.
Extended TRadikalKonstante::Wert(Extended, bool&) {
    NochNichtGebaut("TRadikalKonstante.Wert");
}
bool TRadikalKonstante::IstKleiner(TTerm*) {
    NochNichtGebaut("TRadikalKonstante.IstKleiner");
}
std::unique_ptr<TFolie> TRadikalKonstante::Folie(Single) {
    NochNichtGebaut("TRadikalKonstante.Folie");
}
TTerm* TRadikalKonstante::Negation() {
    NochNichtGebaut("TRadikalKonstante.Negation");
}
void TRadikalKonstante::SchreibeInStream(TStrom&) {
    NochNichtGebaut("TRadikalKonstante.SchreibeInStream");
}

} // namespace zol
