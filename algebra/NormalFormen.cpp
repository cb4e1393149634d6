// The normal-form base, the dispatcher that chooses a term's kind of normal form, and the walk that attaches
// normal forms to every subterm.
#include "algebra/NormalFormen.h"

#include "algebra/Protokollblock.h"
#include "algebra/RationaleFunktion.h"
#include "algebra/RationaleNormalform.h"
#include "algebra/TrigNormalFormen.h"
#include "algebra/VPolynome.h"
#include "algebra/WurzelNormalformen.h"
#include "output/Protokoll.h"
#include "term/Mengen.h"
#include "term/Terme.h"

namespace zol {

void TNormalform::Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch, bool) {
    Achsensymmetrisch = unklar;
    Punktsymmetrisch = unklar;
}

TNormalform* TNormalform::Ableitung() {
    return Neu<TNormalform>();
}

TTerm* TNormalform::Integral(TTerm*, TTerm*, Int32) {
    return nullptr;
}

void TNormalform::Nullstellen(TMenge*, TSListe*& Liste, bool, uint8_t& Status) {
    Status = unklar;
    if (Liste) Liste->Anzahl = 0;
}

namespace {

bool IstKonstantenklasse(const TTerm* T) {
    return T->Typrang >= RangRational && T->Typrang <= RangRadikal;
}

bool IstFunktion(const TTerm* T) {
    return T->Typrang == RangPotenz || T->Typrang == RangWurzel || T->Typrang == RangAllgExp ||
           T->Typrang == RangStandard;
}

// A term in x of + - * /, powers and constants: the rational normal form, or without one the rational
// function. A form with a constant denominator gives way to the polynomial form when that is no larger (a
// tie goes to the polynomial).
TNormalform* RationalerTerm(TTerm* T, bool& NeuGebaut) {
    TNormalform* Q = TRationaleNormalformCreateT(T);
    Int32 nennergrad = Q ? static_cast<TRationaleNormalform*>(Q)->P3.Grad : 0;
    if (!Q) {
        TRationaleFunktion* F = TRationaleFunktionCreateT(T, NeuGebaut);
        if (!F) return nullptr;
        Q = F;
        nennergrad = F->Nenner.Grad;
    }
    if (nennergrad == 0) {
        bool neuP = false;
        TPolynomTerm* P = TPolynomTermCreateT(T, neuP);
        if (P && P->Term->Knotenzahl <= Q->Term->Knotenzahl) {
            NeuGebaut = neuP;
            return P;
        }
    }
    return Q;
}

// Roots: the sum of monomials with rational exponents, or the radical form, else the root form; the
// latter wins only with strictly fewer nodes.
TNormalform* WurzelTerm(TTerm* T) {
    TNormalform* V = TVPolynomTermCreateT(T);
    TNormalform* W = TRadikalNormformCreateT(T);
    if (!W) W = TWurzelNormformCreateT(T);
    if (!V) return W;
    if (!W) return V;
    return W->Term->Knotenzahl < V->Term->Knotenzahl ? W : V;
}

// sin and cos: the trigonometric form, else the polynomial-trigonometric one, else the rational one. A
// trigonometric form beyond the limits leaves the later kinds their chance (sin(25x) + x).
TNormalform* TrigTerm(TTerm* T, bool& NeuGebaut) {
    TNormalform* F = nullptr;
    try {
        F = TTrigonometrischeNormalformCreateT(T, NeuGebaut);
    } catch (const EGradUeberschritten&) {
    } catch (const ERessourcen&) {
    } catch (const ENichtExistenz&) {
    }
    if (!F) F = TPolTrigNormalformCreateT(T, NeuGebaut);
    if (!F) F = TRatTrigNormalformCreateT(T, NeuGebaut);
    return F;
}

// The forms being built now, one inside the other.
Int32 Bautiefe = 0;

} // namespace

TNormalform* Normalform(TTerm* T, bool& NeuGebaut) {
    NeuGebaut = false;
    if ((T->Zustand & KeineNormalform) || (T->Funktionsarten & FunktionsartLn)) return nullptr;
    // A form asked for again while it is being built (the builders simplify, which asks for forms), or
    // asked for too deep inside other builds, is none for now; the term may get one later.
    if ((T->Zustand & NormalformImBau) || Bautiefe >= MaxBautiefe) return nullptr;
    const TWechsel<Int32> tiefe(Bautiefe, Bautiefe + 1);
    T->Zustand |= NormalformImBau;
    struct TBauende {
        TTerm* T;
        ~TBauende() { T->Zustand &= static_cast<uint8_t>(~NormalformImBau); }
    } bauende{T};
    TProtokoll protokoll(ProtokollNormalform, "Normalform:", T);
    T->Aktualisiere();
    TNormalform* ergebnis = nullptr;
    // A form whose polynomials would exceed the degree limit, whose arithmetic overflows or grows beyond the
    // size of terms, or that needs a value that does not exist, does not exist: the term keeps none.
    try {
        if (IstKonstantenklasse(T)) {
            TPolynom P;
            if (KonstantesPolynomVon(T, P)) ergebnis = Neu<TPolynomTerm>(P);
        } else {
            const uint8_t arten =
                T->Funktionsarten & (FunktionsartExp | FunktionsartTrig | FunktionsartWurzel);
            if (arten == 0)
                ergebnis = RationalerTerm(T, NeuGebaut);
            else if (arten == FunktionsartExp)
                ergebnis = TExponentialNormalformCreateT(T);
            else if (arten == FunktionsartTrig)
                ergebnis = TrigTerm(T, NeuGebaut);
            else if (arten == FunktionsartWurzel)
                ergebnis = WurzelTerm(T);
        }
    } catch (const EGradUeberschritten&) {
        ergebnis = nullptr;
        NeuGebaut = false;
    } catch (const ERessourcen&) {
        ergebnis = nullptr;
        NeuGebaut = false;
    } catch (const ENichtExistenz&) {
        ergebnis = nullptr;
        NeuGebaut = false;
    }
    if (!ergebnis) {
        T->Zustand |= KeineNormalform;
        protokoll.Ende("Normalform=nil", nullptr);
    } else {
        protokoll.Ende("Normalform(" + ergebnis->Kennung + ")=", ergebnis->Term);
    }
    return ergebnis;
}

void AlleSubNormalformen(TTerm* T) {
    if (!T) return;
    TProtokoll protokoll(ProtokollNormalform, "AlleSubNormalformen:", T);
    if (auto* o = AlsOperatorTerm(T)) {
        AlleSubNormalformen(o->T1);
        AlleSubNormalformen(o->T2);
    } else if (IstFunktion(T)) {
        AlleSubNormalformen(static_cast<TFunktion*>(T)->Argument);
    }
    T->HoleNormalform();
    if (T->Normalform)
        protokoll.Ende("AlleSubNormalformen(" + T->Normalform->Kennung + ")=", T->Normalform->Term);
    else
        protokoll.Ende("AlleSubNormalformen=nil", nullptr);
}

} // namespace zol
