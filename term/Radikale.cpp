#include "plattform/Oberflaeche.h"
#include "plattform/Strom.h"
#include "term/Radikale.h"

#include <cmath>

#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Fehler.h"
#include "term/Funktionen.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Termstrom.h"
#include "term/Wurzeln.h"

namespace zol {

TRadikal RadikalNull;
TRadikal RadikalEins;
TRadikal RadikalWurzel2;
TRadikal RadikalMinusWurzel2;
TRadikal RadikalHalbeWurzel2;
TRadikal RadikalMinusHalbeWurzel2;
TRadikal RadikalWurzel3;
TRadikal RadikalMinusWurzel3;
TRadikal RadikalHalbeWurzel3;
TRadikal RadikalMinusHalbeWurzel3;
TRadikal RadikalDrittelWurzel3;
TRadikal RadikalMinusDrittelWurzel3;

namespace {

// c * w with w the square root of R, from XPolynom.
TRadikal Quadratwurzel(TTerm* c, Int64 R) {
    TRadikal r;
    r.Polynom = XPolynom;
    r.Polynom.Koeff[1] = c;
    r.Radikand = R;
    r.Wurzelexponent = 2;
    return r;
}

} // namespace

void InitialisiereRadikale() {
    RadikalNull.Polynom = NullPolynom;
    RadikalEins.Polynom = EinsPolynom;
    RadikalWurzel2 = Quadratwurzel(Eins, 2);
    RadikalMinusWurzel2 = Quadratwurzel(MinusEins, 2);
    RadikalHalbeWurzel2 = Quadratwurzel(EinHalb, 2);
    RadikalMinusHalbeWurzel2 = Quadratwurzel(MinusEinHalb, 2);
    RadikalWurzel3 = Quadratwurzel(Eins, 3);
    RadikalMinusWurzel3 = Quadratwurzel(MinusEins, 3);
    RadikalHalbeWurzel3 = Quadratwurzel(EinHalb, 3);
    RadikalMinusHalbeWurzel3 = Quadratwurzel(MinusEinHalb, 3);
    RadikalDrittelWurzel3 = Quadratwurzel(EinDrittel, 3);
    RadikalMinusDrittelWurzel3 = Quadratwurzel(MinusEinDrittel, 3);
}

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

namespace {

[[noreturn]] void RadikalUngueltig() {
    throw ETermFehler("Radikal ungültig.");
}

// A decimal integer of digits only, 1 to 19 of them, within 64 bits.
Int64 LiesPositiveZahl(const std::string& s) {
    if (s.empty() || s.size() > 19) RadikalUngueltig();
    Int64 wert = 0;
    for (char c : s) {
        if (c < '0' || c > '9') RadikalUngueltig();
        if (__builtin_mul_overflow(wert, 10, &wert) || __builtin_add_overflow(wert, c - '0', &wert))
            RadikalUngueltig();
    }
    return wert;
}

} // namespace

void StrToRadikal(const std::string& s, TRadikal& r) {
    const size_t komma = s.find(',');
    const size_t semikolon = komma == std::string::npos ? komma : s.find(';', komma + 1);
    if (semikolon == std::string::npos) RadikalUngueltig();
    const Int64 radikand = LiesPositiveZahl(s.substr(0, komma));
    const Int64 index = LiesPositiveZahl(s.substr(komma + 1, semikolon - komma - 1));
    if (radikand < 1 || index < 1 || index > MaxWurzelexponent) RadikalUngueltig();
    TBruch c[MaxGrad + 1];
    Int32 grad = -1;
    size_t anfang = semikolon + 1;
    while (true) {
        const size_t ende = s.find(',', anfang);
        if (++grad > MaxGrad) RadikalUngueltig();
        Int32 fehler = 0;
        Brueche::StrToBruch(s.substr(anfang, ende == std::string::npos ? ende : ende - anfang), c[grad],
                            fehler);
        if (fehler != 0) RadikalUngueltig();
        try {
            Brueche::Kuerze(c[grad]);
        } catch (const EZolFehler&) {
            RadikalUngueltig();
        }
        if (ende == std::string::npos) break;
        anfang = ende + 1;
    }
    const bool rational = radikand == 1 || index == 1;
    if (rational) {
        // w = R: the rational number P(R).
        TBruch wert = BruchNull;
        try {
            for (Int32 i = grad; i >= 0; --i) {
                Brueche::Mal(wert, TBruch{radikand, 1}, wert);
                Brueche::Plus(wert, c[i], wert);
            }
        } catch (const EZolFehler&) {
            RadikalUngueltig();
        }
        c[0] = wert;
        grad = 0;
    }
    while (grad > 0 && c[grad].Zaehler == 0) --grad;
    r = TRadikal();
    r.Polynom.Grad = grad;
    for (Int32 i = 0; i <= grad; ++i) r.Polynom.Koeff[i] = RationalerKoeffizient(c[i]);
    r.Radikand = rational ? 1 : radikand;
    r.Wurzelexponent = rational ? 1 : static_cast<Int32>(index);
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
    Extended w =
        std::exp(std::log(std::fabs(static_cast<Extended>(Radikal.Radikand))) / Radikal.Wurzelexponent);
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
    TRadikal r;
    RNegativ(Radikal, r);
    return RadikalKonstante(r);
}

void TRadikalKonstante::SchreibeInStream(TStrom& S) {
    SchreibeGeschuetzt("Radikal-Konstante konnte nicht in einen Stream geschrieben werden", [&] {
        TTerm::SchreibeInStream(S);
        SchreibeRadikalsatz(S, Radikal);
    });
    Oberflaeche().Meldung(TMeldungsart::Warnung, "Store für Radikal-Konstanten nicht geprüft!");
}

TRadikal Einzelradikal(const TBruch& c, Int32 g, Int64 R, Int32 n) {
    TRadikal r;
    r.Radikand = R;
    r.Wurzelexponent = n;
    r.Polynom.Grad = g;
    for (Int32 i = 0; i <= MaxGrad; ++i) r.Polynom.Koeff[i] = Null;
    r.Polynom.Koeff[g] = RationalerKoeffizient(c);
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
    if (__builtin_mul_overflow(a, b, &r)) throw EUeberlauf(RadikalUeberlaufText);
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
        for (Int32 i = 2; gleich && i <= faktoren->Anzahl; ++i)
            gleich = faktoren->Stellen[i]->Vielfachheit == g;
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
        ergebnis =
            ArOp(KonstanteMoeglichstArithmetisch(o->T1), KonstanteMoeglichstArithmetisch(o->T2), o->Operator);
    } else if (auto* p = AlsPotenzTerm(T)) {
        try {
            ergebnis = Potenz(KonstanteMoeglichstArithmetisch(p->Argument), p->Exponent);
        } catch (const ENichtExistenz&) {
            // No real power ((-8)^(1/2)): the node stays, without a value.
        }
    } else if (auto* w = AlsWurzel(T)) {
        // A root without a real value (of -4) stays the node.
        if (TTerm* r = ZieheWurzelAusArithmetischem(KonstanteMoeglichstArithmetisch(w->Argument), w->Grad))
            ergebnis = r;
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

TTerm* RationalerKoeffizient(const TBruch& b) {
    TTerm* T = RationaleKonstante(b);
    if (IstRationaleKonstante(T)) return T;
    TBruch r = b;
    Brueche::Kuerze(r);
    return Neu<TRationaleKonstante>(r);
}

TTerm* RadikalToTerm(const TRadikal& a) {
    // Only rational constants and the plain root node go into the tree: a radical constant among them, or
    // the simplifying root builder, would turn it back into a radical constant.
    TTerm* R = RationalerKoeffizient(TBruch{a.Radikand, 1});
    TTerm* w = a.Wurzelexponent == 1 ? R : WurzelTerm(R, a.Wurzelexponent);
    const TPolynom& p = a.Polynom;
    TBruch b;
    BruchVonKonstante(p.Koeff[0], b);
    TTerm* ergebnis = RationalerKoeffizient(b);
    for (Int32 i = 1; i <= p.Grad; ++i) {
        BruchVonKonstante(p.Koeff[i], b);
        if (b.Zaehler == 0) continue;
        TTerm* potenz = i == 1 ? w : PotenzTerm(w, TBruch{i, 1});
        // A negative coefficient after the first summand is subtracted: 1 - 3*w rather than 1 + (-3*w).
        if (b.Zaehler < 0 && !ergebnis->IstNull()) {
            Brueche::Negativ(b, b);
            ergebnis = Differenz(ergebnis, Produkt(RationalerKoeffizient(b), potenz));
        } else {
            ergebnis = Summe(ergebnis, Produkt(RationalerKoeffizient(b), potenz));
        }
    }
    return ergebnis;
}

namespace {

// An index that a radical can have.
bool IstRadikalIndex(Int64 n) {
    return n >= 1 && n <= MaxWurzelexponent;
}

// The store's radical constant of r: equal radicals are one term, so the terms built over them are found in
// the store instead of piling up as distinct terms with equal texts (whose search would grow with each).
TRadikalKonstante* Gespeichert(const TRadikal& r) {
    return AlsRadikalKonstante(RadikalKonstante(r));
}

} // namespace

TRadikalKonstante* RadikalKonstanteAusTerm(TTerm* T) {
    if (!T || !T->IstKonstant) return nullptr;
    if (auto* r = AlsRationaleKonstante(T)) return Gespeichert(Einzelradikal(r->Bruch, 0, 1, 1));
    if (auto* rad = AlsRadikalKonstante(T)) return rad;
    if (auto* o = AlsOperatorTerm(T)) {
        TRadikalKonstante* a = RadikalKonstanteAusTerm(o->T1);
        TRadikalKonstante* b = a ? RadikalKonstanteAusTerm(o->T2) : nullptr;
        // A divisor that is 0 (an unfolded one such as sqrt(3)*2 - 2*sqrt(3)) gives no radical: the term
        // stays as it is, without the warning of an asked-for quotient.
        if (!b || (o->Operator == '/' && b->IstNull())) return nullptr;
        TRadikal r;
        bool erfolg = false;
        ROp(a->Radikal, b->Radikal, o->Operator, r, erfolg);
        return erfolg ? Gespeichert(r) : nullptr;
    }
    if (auto* p = AlsPotenzTerm(T)) {
        if (p->Exponent.Zaehler > INT32_MAX || p->Exponent.Zaehler < INT32_MIN) return nullptr;
        const Int32 k = static_cast<Int32>(p->Exponent.Zaehler);
        if (p->Exponent.Nenner == 1) {
            TRadikalKonstante* basis = RadikalKonstanteAusTerm(p->Argument);
            if (!basis) return nullptr;
            TRadikal r;
            RHoch(basis->Radikal, k, r);
            return Gespeichert(r);
        }
        auto* b = AlsRationaleKonstante(p->Argument);
        if (b && b->Bruch.Nenner == 1 && b->Bruch.Zaehler > 0 && IstRadikalIndex(p->Exponent.Nenner)) {
            TRadikal wurzel =
                Einzelradikal(BruchEins, 1, b->Bruch.Zaehler, static_cast<Int32>(p->Exponent.Nenner));
            TRadikal r;
            RHoch(wurzel, k, r);
            return AlsRadikalKonstante(RadikalKonstante(r));
        }
        return nullptr;
    }
    Int32 index = 0;
    if (auto* w = AlsWurzel(T)) index = w->Grad;
    if (IstStandardFunktion(T, "sqrt")) index = 2;
    if (IstRadikalIndex(index)) {
        auto* m = AlsRationaleKonstante(static_cast<TFunktion*>(T)->Argument);
        if (m && m->Bruch.Nenner == 1 && m->Bruch.Zaehler >= 0) {
            // The roots of 0 and 1 are rational.
            if (m->Bruch.Zaehler <= 1) return Gespeichert(Einzelradikal(m->Bruch, 0, 1, 1));
            return Gespeichert(Einzelradikal(BruchEins, 1, m->Bruch.Zaehler, index));
        }
    }
    return nullptr;
}

} // namespace zol
