#include "term/Radikale.h"

#include <cmath>

#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Wurzeln.h"

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

Extended TRadikalKonstante::Wert(Extended, bool& Definiert) {
    Definiert = true;
    Extended w = std::exp(std::log(std::fabs(static_cast<Extended>(Radikal.Radikand))) / Radikal.Wurzelexponent);
    Extended summe = 0;
    for (Int32 i = Radikal.Polynom.Grad; i >= 0; --i) {
        bool d = true;
        TTerm* c = Radikal.Polynom.Koeff[i];
        summe = summe * w + (c ? c->Wert(0, d) : 0);
    }
    return summe;
}

bool TRadikalKonstante::IstKleiner(TTerm* T) {
    if (RangRadikal < T->Typrang) return true;
    if (T->Typrang != RangRadikal) return false;
    const TRadikal& b = static_cast<TRadikalKonstante*>(T)->Radikal;
    if (Radikal.Radikand != b.Radikand) return Radikal.Radikand < b.Radikand;
    for (Int32 i = 0; i <= Radikal.Polynom.Grad && i <= b.Polynom.Grad; ++i) {
        TTerm* x = Radikal.Polynom.Koeff[i];
        TTerm* y = b.Polynom.Koeff[i];
        if (x->IstKleiner(y)) return true;
        if (y->IstKleiner(x)) return false;
    }
    return false;
}

TTerm* TRadikalKonstante::Negation() {
    TRadikal r = Radikal;
    for (Int32 i = 0; i <= r.Polynom.Grad; ++i) r.Polynom.Koeff[i] = r.Polynom.Koeff[i]->Negation();
    return RadikalKonstante(r);
}

// Streaming comes with the radical unit.
void TRadikalKonstante::SchreibeInStream(TStrom&) {
    NochNichtGebaut("TRadikalKonstante.SchreibeInStream");
}

TRadikal Einzelradikal(const TBruch& c, Int32 g, Int64 R, Int32 n) {
    TRadikal r;
    r.Radikand = R;
    r.Wurzelexponent = n;
    r.Polynom.Grad = g;
    for (Int32 i = 0; i <= MaxGrad; ++i) r.Polynom.Koeff[i] = Null;
    r.Polynom.Koeff[g] = RationaleKonstante(c);
    return r;
}

void Primfaktoren(Int64 n, TSListe*& Liste, Int64& Rest) {
    Liste = Neu<TSListe>();
    Liste->Anzahl = 0;
    Rest = n;
    if (n <= 0) return;
    for (Int32 i = 1; i <= 168 && Rest >= 2; ++i) {
        Int64 p = Primzahlen[i];
        while (Rest >= 2 && Rest % p == 0) {
            Liste->FuegeHinzu(RationaleKonstante(TBruch{p, 1}), 1);
            Rest /= p;
        }
    }
}

namespace {

Int64 MalGeprueft(Int64 a, Int64 b) {
    Int64 r;
    if (__builtin_mul_overflow(a, b, &r)) throw ERessourcen("Überlauf in der Bruchrechnung.");
    return r;
}

// The product rule for two powers Basis^Exponent: equal bases add (or subtract) the exponents, equal
// exponents multiply the bases (products only), a factor 1 drops out.
bool VerbindePotenzen(Int64 b1, const TBruch& e1, Int64 b2, const TBruch& e2, bool quotient, Int64& Basis,
                      TBruch& Exponent) {
    if (b1 == b2) {
        Basis = b1;
        if (quotient)
            Brueche::Minus(e1, e2, Exponent);
        else
            Brueche::Plus(e1, e2, Exponent);
        return true;
    }
    if (!quotient && Brueche::Gleich(e1, e2)) {
        Basis = MalGeprueft(b1, b2);
        Exponent = e1;
        return true;
    }
    const bool eins1 = b1 == 1 || e1.Zaehler == 0;
    const bool eins2 = b2 == 1 || e2.Zaehler == 0;
    if (eins2) {
        Basis = b1;
        Exponent = e1;
        return true;
    }
    if (eins1) {
        Basis = b2;
        Exponent = e2;
        if (quotient) Brueche::Negativ(e2, Exponent);
        return true;
    }
    return false;
}

} // namespace

bool IstRationalePotenz(TTerm* T, Int64& Basis, TBruch& Exponent) {
    if (!T || !T->IstKonstant) return false;
    if (auto* r = AlsRationaleKonstante(T)) {
        TBruch b = r->Bruch;
        Brueche::Kuerze(b);
        Int64 m;
        bool kehrwert = false;
        if (b.Nenner == 1 && b.Zaehler > 0) {
            m = b.Zaehler;
        } else if (b.Zaehler == 1 && b.Nenner > 1) {
            m = b.Nenner;
            kehrwert = true;
        } else {
            return false;
        }
        if (m == 1) {
            Basis = 1;
            Exponent = BruchNull;
            return true;
        }
        TSListe* faktoren = nullptr;
        Int64 rest = 0;
        Primfaktoren(m, faktoren, rest);
        Int32 g = faktoren->Anzahl > 0 ? faktoren->Stellen[1]->Vielfachheit : 0;
        bool gleich = rest == 1 && g > 1;
        for (Int32 i = 2; gleich && i <= faktoren->Anzahl; ++i) gleich = faktoren->Stellen[i]->Vielfachheit == g;
        if (gleich) {
            Basis = 1;
            for (Int32 i = 1; i <= faktoren->Anzahl; ++i)
                Basis *= static_cast<TRationaleKonstante*>(faktoren->Stellen[i]->Punkt)->Bruch.Zaehler;
            Exponent = TBruch{g, 1};
        } else {
            Basis = m;
            Exponent = BruchEins;
        }
        if (kehrwert) Brueche::Negativ(Exponent, Exponent);
        return true;
    }
    if (auto* p = AlsPotenzTerm(T)) {
        if (!IstRationalePotenz(p->Argument, Basis, Exponent)) return false;
        Brueche::Mal(Exponent, p->Exponent, Exponent);
        return true;
    }
    Int32 index = 0;
    if (auto* w = AlsWurzel(T)) index = w->Grad;
    if (IstStandardFunktion(T, "sqrt")) index = 2;
    if (index > 0) {
        if (!IstRationalePotenz(static_cast<TFunktion*>(T)->Argument, Basis, Exponent)) return false;
        Brueche::Mal(Exponent, TBruch{1, index}, Exponent);
        return true;
    }
    if (auto* o = AlsOperatorTerm(T)) {
        if (o->Operator != '*' && o->Operator != '/') return false;
        Int64 b1, b2;
        TBruch e1, e2;
        if (!IstRationalePotenz(o->T1, b1, e1) || !IstRationalePotenz(o->T2, b2, e2)) return false;
        return VerbindePotenzen(b1, e1, b2, e2, o->Operator == '/', Basis, Exponent);
    }
    if (auto* rad = AlsRadikalKonstante(T)) {
        const TRadikal& r = rad->Radikal;
        Int32 k = -1;
        for (Int32 i = 0; i <= r.Polynom.Grad; ++i)
            if (!r.Polynom.Koeff[i]->IstNull()) {
                if (k >= 0) return false;
                k = i;
            }
        if (k < 0) return false;
        Int64 bc;
        TBruch ec;
        if (!IstRationalePotenz(r.Polynom.Koeff[k], bc, ec)) return false;
        if (k == 0) {
            Basis = bc;
            Exponent = ec;
            return true;
        }
        Int64 br;
        TBruch er;
        if (!IstRationalePotenz(RationaleKonstante(TBruch{r.Radikand, 1}), br, er)) return false;
        Brueche::Mal(er, TBruch{k, r.Wurzelexponent}, er);
        return VerbindePotenzen(bc, ec, br, er, false, Basis, Exponent);
    }
    return false;
}

TTerm* KonstanteMoeglichstArithmetisch(TTerm* T) {
    if (!T || !T->IstKonstant || IstRationaleKonstante(T)) return T;
    if (ProtokollVereinfachung) BeginneSchritt("KonstanteMoeglichstArithmetisch:", T);
    TTerm* ergebnis = T;
    if (auto* rad = AlsRadikalKonstante(T)) {
        if (rad->Radikal.Polynom.Grad == 0) ergebnis = rad->Radikal.Polynom.Koeff[0];
    } else if (auto* o = AlsOperatorTerm(T)) {
        ergebnis = ArOp(KonstanteMoeglichstArithmetisch(o->T1), KonstanteMoeglichstArithmetisch(o->T2), o->Operator);
    } else if (auto* p = AlsPotenzTerm(T)) {
        ergebnis = Potenz(KonstanteMoeglichstArithmetisch(p->Argument), p->Exponent);
    } else if (auto* w = AlsWurzel(T)) {
        ergebnis = ZieheWurzel(KonstanteMoeglichstArithmetisch(w->Argument), w->Grad);
    } else if (auto* f = AlsStandardFunktion(T)) {
        TTerm* neu = StandardFunktionTerm(f->Kennung, KonstanteMoeglichstArithmetisch(f->Argument));
        ergebnis = neu->Einsetzen(VariableX);
        if (!ergebnis) ergebnis = neu;
    }
    if (ProtokollVereinfachung) BeendeSchritt("KonstanteMoeglichstArithmetisch=", ergebnis);
    return ergebnis;
}

TTerm* RadikalKonstanteAlsPotenz(TTerm* T) {
    if (!IstRadikalKonstante(T)) return T;
    Int64 basis = 0;
    TBruch e;
    if (IstRationalePotenz(T, basis, e)) {
        Brueche::Kuerze(e);
        if (e.Zaehler == 0) return Eins;
        if (Brueche::Gleich(e, BruchEins)) return RationaleKonstante(TBruch{basis, 1});
        return PotenzTerm(RationaleKonstante(TBruch{basis, 1}), e);
    }
    if (IstRationalePotenz(T->Negation(), basis, e)) {
        Brueche::Kuerze(e);
        if (e.Zaehler == 0) return MinusEins;
        if (Brueche::Gleich(e, BruchEins)) return RationaleKonstante(TBruch{-basis, 1});
        return PotenzTerm(RationaleKonstante(TBruch{basis, 1}), e)->Negation();
    }
    return T;
}

// The radicals' arithmetic comes with the radical unit.
void ROp(const TRadikal&, const TRadikal&, char, TRadikal&, bool&) { NochNichtGebaut("ROp"); }
void RHoch(const TRadikal&, Int32, TRadikal&) { NochNichtGebaut("RHoch"); }
TTerm* RadikalToTerm(const TRadikal&) { NochNichtGebaut("RadikalToTerm"); }
TRadikalKonstante* RadikalKonstanteAusTerm(TTerm* T) {
    if (!T || !T->IstKonstant) return nullptr;
    if (auto* r = AlsRationaleKonstante(T)) return Neu<TRadikalKonstante>(Einzelradikal(r->Bruch, 0, 1, 1));
    if (auto* rad = AlsRadikalKonstante(T)) return rad;
    if (auto* o = AlsOperatorTerm(T)) {
        TRadikalKonstante* a = RadikalKonstanteAusTerm(o->T1);
        TRadikalKonstante* b = a ? RadikalKonstanteAusTerm(o->T2) : nullptr;
        if (!b) return nullptr;
        TRadikal r;
        bool erfolg = false;
        ROp(a->Radikal, b->Radikal, o->Operator, r, erfolg);
        return erfolg ? Neu<TRadikalKonstante>(r) : nullptr;
    }
    if (auto* p = AlsPotenzTerm(T)) {
        if (p->Exponent.Nenner == 1) {
            TRadikalKonstante* basis = RadikalKonstanteAusTerm(p->Argument);
            if (!basis || p->Exponent.Zaehler > INT32_MAX || p->Exponent.Zaehler < INT32_MIN) return nullptr;
            TRadikal r;
            RHoch(basis->Radikal, static_cast<Int32>(p->Exponent.Zaehler), r);
            return Neu<TRadikalKonstante>(r);
        }
        auto* b = AlsRationaleKonstante(p->Argument);
        if (b && b->Bruch.Nenner == 1 && b->Bruch.Zaehler > 0 && p->Exponent.Nenner <= INT32_MAX &&
            p->Exponent.Zaehler <= INT32_MAX && p->Exponent.Zaehler >= INT32_MIN) {
            TRadikal wurzel = Einzelradikal(BruchEins, 1, b->Bruch.Zaehler, static_cast<Int32>(p->Exponent.Nenner));
            TRadikal r;
            RHoch(wurzel, static_cast<Int32>(p->Exponent.Zaehler), r);
            return AlsRadikalKonstante(RadikalKonstante(r));
        }
        return nullptr;
    }
    Int32 index = 0;
    if (auto* w = AlsWurzel(T)) index = w->Grad;
    if (IstStandardFunktion(T, "sqrt")) index = 2;
    if (index > 0) {
        auto* m = AlsRationaleKonstante(static_cast<TFunktion*>(T)->Argument);
        if (m && m->Bruch.Nenner == 1 && m->Bruch.Zaehler >= 0)
            return Neu<TRadikalKonstante>(Einzelradikal(BruchEins, 1, m->Bruch.Zaehler, index));
    }
    return nullptr;
}

} // namespace zol
