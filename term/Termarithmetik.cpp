// Term arithmetic: ArOp with its immediate simplification laws, exact division by a factor, and the
// folding passes of Kumuliere.
#include "term/Termarithmetik.h"

#include <string>

#include "algebra/NormalFormen.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Protokoll.h"
#include "term/Funktionen.h"
#include "term/Radikale.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// Laws 6 and 7: a radical constant combined with a term that converts into one.
TTerm* RadikalGesetz(TTerm* T1, TTerm* T2, char op) {
    if (op == '/') return nullptr;
    TRadikalKonstante* R1 = IstRadikalKonstante(T1) ? AlsRadikalKonstante(T1) : RadikalKonstanteAusTerm(T1);
    TRadikalKonstante* R2 = IstRadikalKonstante(T2) ? AlsRadikalKonstante(T2) : RadikalKonstanteAusTerm(T2);
    if (!R1 || !R2) return nullptr;
    TRadikal r;
    bool erfolg = false;
    ROp(R1->Radikal, R2->Radikal, op, r, erfolg);
    return erfolg ? RadikalKonstante(r) : nullptr;
}

TTerm* Gesetze(TTerm* T1, TTerm* T2, char op) {
    // 1. Left operand zero.
    if (T1->IstNull()) {
        switch (op) {
        case '+': return T2;
        case '-': return T2->Negation();
        default: return Null;
        }
    }
    // 2. One times T2.
    if (op == '*' && Eins->IstGleich(T1)) return T2;
    // 3. Right operand zero; T1/0 stays the plain quotient.
    if (T2->IstNull()) {
        switch (op) {
        case '*': return Null;
        case '/': return OperatorTerm(T1, T2, '/');
        default: return T1;
        }
    }
    // 4. Times or divided by one.
    if ((op == '*' || op == '/') && Eins->IstGleich(T2)) return T1;
    // 5. Two rational constants.
    auto* r1 = AlsRationaleKonstante(T1);
    auto* r2 = AlsRationaleKonstante(T2);
    if (r1 && r2) {
        TBruch r;
        Brueche::Verknuepfe(r1->Bruch, r2->Bruch, op, r);
        return RationaleKonstante(r);
    }
    // 6. and 7. Radical constants.
    if (IstRadikalKonstante(T1) || IstRadikalKonstante(T2)) {
        TTerm* r = RadikalGesetz(T1, T2, op);
        return r ? r : OperatorTerm(T1, T2, op);
    }
    // 8. A negative rational right operand turns + into - and back.
    if (r2 && r2->Bruch.Zaehler < 0 && (op == '+' || op == '-'))
        return OperatorTerm(T1, T2->Negation(), op == '+' ? '-' : '+');
    // 9. x with x.
    if (IstVariable(T1) && IstVariable(T2)) {
        switch (op) {
        case '+': return OperatorTerm(Zwei, VariableX, '*');
        case '-': return Null;
        case '/': return Eins;
        default: return PotenzTerm(VariableX, 2);
        }
    }
    if (op == '*') {
        // 10. exp(u) * exp(v) = exp(u + v).
        if (IstStandardFunktion(T1, "exp") && IstStandardFunktion(T2, "exp"))
            return StandardFunktionTerm(
                "exp", ArOp(static_cast<TFunktion*>(T1)->Argument, static_cast<TFunktion*>(T2)->Argument, '+'));
        // 11. a^u * a^v = a^(u + v).
        auto* a1 = AlsAllgemeineExponentialFunktion(T1);
        auto* a2 = AlsAllgemeineExponentialFunktion(T2);
        if (a1 && a2 && Brueche::Gleich(a1->Basis, a2->Basis))
            return Neu<TAllgemeineExponentialFunktion>(a1->Basis, ArOp(a1->Argument, a2->Argument, '+'));
    }
    return OperatorTerm(T1, T2, op);
}

void ProtokollAnfang(bool schalter, const std::string& name, TTerm* T) {
    if (schalter) BeginneSchritt(name, T);
}

void ProtokollEnde(bool schalter, const std::string& name, TTerm* T) {
    if (schalter) BeendeSchritt(name, T);
}

bool IstGanzzahl(const TBruch& b) { return b.Nenner == 1; }

} // namespace

TTerm* ArOp(TTerm* T1, TTerm* T2, char op) {
    if (!T1 || !T2) return nullptr;
    if (ProtokollArOp) {
        BeginneSchritt(std::string("ArOp(") + op + ")", nullptr);
        SchreibeTextTermZeile("T1=", T1);
        SchreibeTextTermZeile(" ,T2=", T2);
    }
    TTerm* ergebnis = Gesetze(T1, T2, op);
    ProtokollEnde(ProtokollArOp, "ArOp=", ergebnis);
    return ergebnis;
}

TTerm* Summe(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '+'); }
TTerm* Differenz(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '-'); }
TTerm* Produkt(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '*'); }
TTerm* Quotient(TTerm* T1, TTerm* T2) { return ArOp(T1, T2, '/'); }

TTerm* ArOpVereinfacht(TTerm* T1, TTerm* T2, char op) {
    TTerm* T = ArOp(T1, T2, op);
    if (T) VereinfacheTerm(T);
    return T;
}

TTerm* SummeV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '+'); }
TTerm* DifferenzV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '-'); }
TTerm* ProduktV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '*'); }
TTerm* QuotientV(TTerm* T1, TTerm* T2) { return ArOpVereinfacht(T1, T2, '/'); }

TTerm* NeueBruchkonstante(Int64 Zaehler, Int64 Nenner) {
    TBruch b{Zaehler, Nenner};
    Brueche::Kuerze(b);
    return Neu<TRationaleKonstante>(b);
}

TTerm* KonstantePi() { return BenannteKonstante("pi"); }

bool HatOperator(TTerm* T, const std::string& ops) {
    auto* o = AlsOperatorTerm(T);
    return o && ops.find(o->Operator) != std::string::npos;
}

bool HatNegativesVorzeichen(TTerm* T) {
    if (auto* r = AlsRationaleKonstante(T)) return r->Bruch.Zaehler < 0;
    if (auto* rad = AlsRadikalKonstante(T)) {
        TBruch b;
        BruchVonKonstante(rad->Radikal.Polynom.Koeff[rad->Radikal.Polynom.Grad], b);
        return b.Zaehler < 0;
    }
    if (HatOperator(T, "*")) return HatNegativesVorzeichen(AlsOperatorTerm(T)->T1);
    return false;
}

bool NegativesVorzeichen(TTerm* T, TTerm*& Betrag) {
    if (HatOperator(T, "+-")) {
        auto* o = AlsOperatorTerm(T);
        TTerm* erster = nullptr;
        if (!NegativesVorzeichen(o->T1, erster)) {
            Betrag = erster == o->T1 ? T : ArOp(erster, o->T2, o->Operator);
            return false;
        }
        Betrag = ArOp(erster, o->T2, o->Operator == '+' ? '-' : '+');
        return true;
    }
    TTerm* t = T;
    TTerm* rest = nullptr;
    TBruch faktor;
    KMK(t, rest, faktor);
    bool negativ = faktor.Zaehler < 0;
    if (negativ) faktor.Zaehler = -faktor.Zaehler;
    // The signs of the factors that are left, such as the sum in 1/2·(-a-1).
    if (rest != T && HatOperator(rest, "+-*/")) {
        auto* o = AlsOperatorTerm(rest);
        TTerm *b1 = o->T1, *b2 = o->T2;
        if (HatOperator(rest, "+-")) {
            b2 = nullptr;
            negativ ^= NegativesVorzeichen(rest, b1);
        } else {
            negativ ^= NegativesVorzeichen(o->T1, b1) ^ NegativesVorzeichen(o->T2, b2);
        }
        rest = b2 ? ArOp(b1, b2, o->Operator) : b1;
    }
    Betrag = ArOp(RationaleKonstante(faktor), rest, '*');
    return negativ;
}

TTerm* DividiereDurchFaktor(TTerm* T, TTerm* F) {
    if (!T || !F) return nullptr;
    if (T->IstGleich(F)) return Eins;
    if (auto* o = AlsOperatorTerm(T)) {
        switch (o->Operator) {
        case '*':
            if (TTerm* q = DividiereDurchFaktor(o->T1, F)) return Produkt(q, o->T2);
            if (TTerm* q = DividiereDurchFaktor(o->T2, F)) return Produkt(o->T1, q);
            return nullptr;
        case '+':
        case '-': {
            TTerm* q1 = DividiereDurchFaktor(o->T1, F);
            TTerm* q2 = q1 ? DividiereDurchFaktor(o->T2, F) : nullptr;
            return q2 ? ArOp(q1, q2, o->Operator) : nullptr;
        }
        default: return o->T2 && o->T1->IstGleich(F) ? Quotient(Eins, o->T2) : nullptr;
        }
    }
    auto* pt = AlsPotenzTerm(AlsPotenz(T));
    auto* pf = AlsPotenzTerm(AlsPotenz(F));
    if (!pt || !pf) return nullptr;
    if (pt->Argument->IstGleich(pf->Argument) && Brueche::Kleiner(pf->Exponent, pt->Exponent)) {
        TBruch d;
        Brueche::Minus(pt->Exponent, pf->Exponent, d);
        return PotenzRadikal(pt->Argument, d);
    }
    if (Brueche::Kleiner(BruchEins, pt->Exponent)) {
        if (TTerm* q = DividiereDurchFaktor(pt->Argument, F)) {
            TBruch d;
            Brueche::Minus(pt->Exponent, BruchEins, d);
            return Produkt(q, PotenzRadikal(pt->Argument, d));
        }
    }
    return nullptr;
}

TBruch HoechsterFaktorexponent(TTerm* T, TTerm* Basis) {
    if (!T || !Basis) return BruchNull;
    if (T->IstGleich(Basis)) return BruchEins;
    if (auto* o = AlsOperatorTerm(T)) {
        switch (o->Operator) {
        case '*': {
            // DividiereDurchFaktor divides one factor: the larger exponent of the two.
            const TBruch e1 = HoechsterFaktorexponent(o->T1, Basis);
            const TBruch e2 = HoechsterFaktorexponent(o->T2, Basis);
            return Brueche::Kleiner(e1, e2) ? e2 : e1;
        }
        case '+':
        case '-': {
            const TBruch e1 = HoechsterFaktorexponent(o->T1, Basis);
            if (!Brueche::Kleiner(BruchNull, e1)) return BruchNull;
            const TBruch e2 = HoechsterFaktorexponent(o->T2, Basis);
            return Brueche::Kleiner(e2, e1) ? e2 : e1;
        }
        default: {
            // Only a numerator that is a power of Basis itself.
            auto* pz = AlsPotenzTerm(AlsPotenz(o->T1));
            return pz && pz->Argument->IstGleich(Basis) ? pz->Exponent : BruchNull;
        }
        }
    }
    auto* pt = AlsPotenzTerm(AlsPotenz(T));
    if (pt && pt->Argument->IstGleich(Basis)) return pt->Exponent;
    // A power above 1 of another base gives up one factor of its base.
    if (pt && Brueche::Kleiner(BruchEins, pt->Exponent)) return HoechsterFaktorexponent(pt->Argument, Basis);
    return BruchNull;
}

void KAK(TTerm*& T, TTerm*& Rest, TBruch& C) {
    Rest = T;
    C = BruchNull;
    if (auto* r = AlsRationaleKonstante(T)) {
        Rest = Null;
        C = r->Bruch;
        return;
    }
    if (T->Zustand & TermKumuliert) return;
    ProtokollAnfang(ProtokollKumuliere, "KAK:", T);
    if (auto* p = AlsPotenzTerm(T)) {
        TTerm *a = p->Argument, *restB;
        TBruch cB;
        KAK(a, restB, cB);
        T = MitArgument(p, a);
        auto* basis = AlsRationaleKonstante(a);
        // A rational base to an integer power folds to a constant; 0 to a negative power stays.
        if (basis && IstGanzzahl(p->Exponent) && !(basis->IstNull() && p->Exponent.Zaehler < 0)) {
            Brueche::Hoch(basis->Bruch, p->Exponent.Zaehler, C);
            T = RationaleKonstante(C);
            Rest = Null;
        }
    } else if (auto* o = AlsOperatorTerm(T)) {
        TTerm *t1 = o->T1, *t2 = o->T2, *rest1, *rest2;
        TBruch c1, c2;
        KAK(t1, rest1, c1);
        KAK(t2, rest2, c2);
        if (o->Operator == '*' || o->Operator == '/') {
            T = MitOperanden(o, t1, t2);
        } else {
            if (o->Operator == '+')
                Brueche::Plus(c1, c2, C);
            else
                Brueche::Minus(c1, c2, C);
            Rest = ArOp(rest1, rest2, o->Operator);
            T = ArOp(Rest, RationaleKonstante(C), '+');
        }
    }
    ProtokollEnde(ProtokollKumuliere, "KAK=", T);
}

void KMK(TTerm*& T, TTerm*& Rest, TBruch& F) {
    Rest = T;
    F = BruchEins;
    if (IstVariable(T)) return;
    if (auto* r = AlsRationaleKonstante(T)) {
        Rest = Eins;
        F = r->Bruch;
        return;
    }
    // Constant classes keep their value; a constant expression is still folded below.
    if (dynamic_cast<TKonstante*>(T) || (T->Zustand & FaktorAbgespalten)) return;
    ProtokollAnfang(ProtokollKumuliere, "KMK:", T);
    if (auto* p = AlsPotenzTerm(T); p && IstGanzzahl(p->Exponent)) {
        TTerm *a = p->Argument, *restB;
        TBruch fB;
        KMK(a, restB, fB);
        T = MitArgument(p, a);
        if (!(fB.Zaehler == 0 && p->Exponent.Zaehler < 0)) {
            Brueche::Hoch(fB, p->Exponent.Zaehler, F);
            Rest = PotenzRadikal(restB, p->Exponent);
            T = ArOp(RationaleKonstante(F), Rest, '*');
        }
    } else if (auto* o = AlsOperatorTerm(T)) {
        TTerm *t1 = o->T1, *t2 = o->T2, *rest1, *rest2;
        TBruch f1, f2;
        KMK(t1, rest1, f1);
        KMK(t2, rest2, f2);
        const char op = o->Operator;
        bool falten = true;
        if (op == '/' && f2.Zaehler == 0) {
            // Nothing is folded over a divisor with the factor 0.
            T = MitOperanden(o, t1, t2);
            falten = false;
        } else if (Eins->IstGleich(rest1) && Eins->IstGleich(rest2)) {
            Rest = Eins;
            Brueche::Verknuepfe(f1, f2, op, F);
        } else if (op == '*') {
            Brueche::Mal(f1, f2, F);
            Rest = ArOp(rest1, rest2, '*');
        } else if (op == '/') {
            Brueche::Durch(f1, f2, F);
            Rest = ArOp(rest1, rest2, '/');
        } else if (Brueche::Gleich(f1, f2)) {
            F = f1;
            Rest = ArOp(rest1, rest2, op);
        } else if (!IstGanzzahl(f1) || !IstGanzzahl(f2)) {
            F = BruchEins;
            Rest = ArOp(t1, t2, op);
        } else {
            Int64 g = Brueche::ggT(f1.Zaehler, f2.Zaehler);
            F = TBruch{g, 1};
            Rest = ArOp(ArOp(RationaleKonstante(TBruch{f1.Zaehler / g, 1}), rest1, '*'),
                        ArOp(RationaleKonstante(TBruch{f2.Zaehler / g, 1}), rest2, '*'), op);
        }
        if (falten) {
            if (!Rest->IstKonstant) Rest->Zustand |= FaktorAbgespalten;
            T = ArOp(RationaleKonstante(F), Rest, '*');
        }
    } else if (auto* s = AlsStandardFunktion(T)) {
        TTerm *a = s->Argument, *restA;
        TBruch fA;
        KMK(a, restA, fA);
        T = MitArgument(s, a);
    } else if (auto* j = AlsJoin(T)) {
        TTerm *t1 = j->T1, *t2 = j->T2, *rest1, *rest2;
        TBruch f1, f2;
        KMK(t1, rest1, f1);
        KMK(t2, rest2, f2);
        T = MitOperanden(j, t1, t2);
        if (Brueche::Gleich(f1, f2)) {
            F = f1;
            Rest = Neu<TJoin>(rest1, rest2, j->Bedingung, j->Stetig);
        }
    }
    ProtokollEnde(ProtokollKumuliere, "KMK=", T);
}

void KPE(TTerm*& T) {
    if (T->Zustand & TermKumuliert) return;
    ProtokollAnfang(ProtokollKumuliere, "KPE:", T);
    if (auto* p = AlsPotenzTerm(T)) {
        TTerm* basis = p->Argument;
        KPE(basis);
        const TBruch& e = p->Exponent;
        if (auto* innen = AlsPotenzTerm(basis)) {
            // (b^f)^e = b^(f*e); an even f taken to a power that is no even integer needs abs(b).
            TBruch fe;
            Brueche::Mal(innen->Exponent, e, fe);
            TTerm* b = innen->Argument;
            const bool gerade = innen->Exponent.Zaehler % 2 == 0;
            const bool geradeGanz = fe.Nenner == 1 && fe.Zaehler % 2 == 0;
            if (gerade && !geradeGanz) b = StandardFunktionTerm("abs", b);
            T = PotenzRadikal(b, fe);
        } else if (IstStandardFunktion(basis, "sqrt")) {
            TBruch halb;
            Brueche::Durch(e, BruchZwei, halb);
            T = PotenzRadikal(static_cast<TFunktion*>(basis)->Argument, halb);
        } else if (auto* r = AlsRationaleKonstante(basis); r && !(r->IstNull() && e.Zaehler < 0)) {
            TTerm* wert = nullptr;
            try {
                wert = PotenzRadikal(basis, e);
            } catch (const ENichtExistenz&) {
                // No real power (a negative base to a fractional exponent): the power stays.
            }
            if (IstRationaleKonstante(wert)) T = wert;
        }
    } else if (auto* o = AlsOperatorTerm(T)) {
        TTerm *t1 = o->T1, *t2 = o->T2;
        KPE(t1);
        KPE(t2);
        T = MitOperanden(o, t1, t2);
    }
    ProtokollEnde(ProtokollKumuliere, "KPE=", T);
}

void KKO(TTerm*& T) {
    if (T->IstKonstant || (T->Zustand & TermKumuliert) || T->Knotenzahl < 2) return;
    ProtokollAnfang(ProtokollKumuliere, "KKO:", T);
    if (auto* o = AlsOperatorTerm(T)) {
        TTerm *t1 = o->T1, *t2 = o->T2;
        KKO(t1);
        KKO(t2);
        T = MitOperanden(o, t1, t2);
    } else if (auto* f = dynamic_cast<TFunktion*>(T)) {
        static const std::string Namen = "exp;sin;arcsin;cos;arccos;ln;abs;sqrt";
        if (Namen.find(f->Kennung) != std::string::npos) {
            if (f->Kennung == "abs")
                T = ExakterBetrag(f->Argument);
            else if (f->Kennung == "sqrt")
                T = ZieheWurzel(f->Argument, 2);
        } else if (dynamic_cast<TFunktion*>(f->Argument)) {
            TTerm* a = f->Argument;
            KKO(a);
            T = MitArgument(f, a);
        }
    }
    ProtokollEnde(ProtokollKumuliere, "KKO=", T);
}

void Kumuliere(TTerm*& T) {
    if (!T || (T->Zustand & TermKumuliert)) return;
    ProtokollAnfang(ProtokollKumuliere, "Kumuliere:", T);
    if (auto* j = AlsJoin(T)) {
        TTerm *t1 = j->T1, *t2 = j->T2;
        Kumuliere(t1);
        Kumuliere(t2);
        T = MitOperanden(j, t1, t2);
    } else {
        for (;;) {
            const Int32 vorher = T->Knotenzahl;
            TTerm* rest;
            TBruch c;
            KAK(T, rest, c);
            KPE(T);
            KMK(T, rest, c);
            KKO(T);
            if (T->Knotenzahl >= vorher) break;
        }
    }
    // The folded term gets its normal form afresh.
    T->Freigeben();
    T->HoleNormalform();
    T->Zustand |= TermKumuliert;
    ProtokollEnde(ProtokollKumuliere, "Kumuliert=", T);
}

} // namespace zol
