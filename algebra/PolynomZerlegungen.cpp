#include "algebra/PolynomZerlegungen.h"

#include "algebra/PolynomZerlegungen_Intern.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "algebra/NormalFormen.h"
#include "algebra/Nullentscheidung.h"
#include "algebra/PolynomNullstellen.h"
#include "algebra/PolynomNullstellen_Intern.h"
#include "algebra/Vereinfachung.h"
#include "output/Ausgabe.h"
#include "output/Seiten.h"
#include "steps/Allgemeines.h"
#include "steps/Schrittrahmen.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/TermManager.h"
#include "term/Termarithmetik.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

namespace {

// x^k as a term (x itself for k = 1).
TTerm* XHoch(Int32 k) {
    return k == 1 ? VariableX : PotenzTerm(VariableX, Int64(k));
}

// x - a as a term.
TTerm* Linearfaktor(TTerm* a) {
    TPolynom L;
    PLinearfaktorHoch(a, 1, L);
    return PolynomToTerm(L);
}

// The degree that the factors of Z account for.
Int32 FaktorGrad(const TZerlegung& Z) {
    Int32 s = 0;
    for (Int32 i = 1; i <= Z.Liste->Anzahl; ++i) s += Z.Liste->Stellen[i]->Vielfachheit;
    for (Int32 i = 1; i <= Z.Anzahl; ++i) s += 2 * Z.QuadListe[i].Vielfachheit;
    return s;
}

// cos(z/n * pi), simplified.
TTerm* KosinusPiVielfaches(Int64 z, Int64 n) {
    return KonstantVereinfacht(StandardFunktionTerm("cos", Produkt(Bruchkonstante(z, n), KonstantePi())));
}

void SchreibeEinheitswurzeln() {
    SchreibeZeile("Die quadratischen Faktoren ergeben sich aus paarweise konjugierten Einheitswurzeln.");
}

} // namespace

// Leitkoeffizient * (x - x_i)^m_i * ... * (x^2 + p*x + q)^k * ...
TTerm* Produktterm(const TZerlegung& Z, bool OhneEins) {
    TTerm* T =
        OhneEins && Z.Leitkoeffizient && Z.Leitkoeffizient->HatWert(BruchEins) ? nullptr : Z.Leitkoeffizient;
    auto mal = [&T](TTerm* F, Int32 m) {
        TTerm* faktor = m == 1 ? F : PotenzTerm(F, Int64(m));
        T = T ? OperatorTerm(T, faktor, '*') : faktor;
    };
    for (Int32 i = 1; i <= Z.Liste->Anzahl; ++i)
        mal(Linearfaktor(Z.Liste->Stellen[i]->Punkt), Z.Liste->Stellen[i]->Vielfachheit);
    for (Int32 i = 1; i <= Z.Anzahl; ++i) {
        TPolynom F;
        PQuadFaktorHoch(Z.QuadListe[i].p, Z.QuadListe[i].q, 1, F);
        mal(PolynomToTerm(F), Z.QuadListe[i].Vielfachheit);
    }
    return T ? T : Z.Leitkoeffizient;
}

TZerlegung Verschachtelt(const TPolynom& Q, bool Kommentar) {
    TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
    TZerlegung N;
    PZerlegung(Q, N, Kommentar);
    return N;
}

void Uebernimm(const TZerlegung& N, TZerlegung& Z) {
    SListenVereinigen(N.Liste, Z.Liste, false);
    for (Int32 i = 1; i <= N.Anzahl; ++i)
        FaktorEinfuegen(N.QuadListe[i].p, N.QuadListe[i].q, N.QuadListe[i].Vielfachheit, Z.QuadListe,
                        Z.Anzahl);
}

void SchreibeErgebnis(const TZerlegung& Z) {
    if (Z.Vollstaendig) {
        SchreibeUnterstrichen("Ergebnis:");
        Schreibe(" P(x) = ");
        SchreibeTermZeile(Produktterm(Z, true));
    } else {
        SchreibeZeile(FaktorGrad(Z) == 0 ? "Zerlegung nicht gelungen." : "Zerlegung nicht vollständig.");
    }
}

// ---- The dispatcher ----

void PZerlegung(TPolynom P, TSListe*& Liste, TQuadFaktorListe& QuadListe, Int32& Anzahl,
                TTerm*& Leitkoeffizient, bool& Vollstaendig, bool Kommentar) {
    TZerlegung Z;
    PZerlegung(P, Z, Kommentar);
    Liste = Z.Liste;
    QuadListe = Z.QuadListe;
    Anzahl = Z.Anzahl;
    Leitkoeffizient = Z.Leitkoeffizient;
    Vollstaendig = Z.Vollstaendig;
}

void PZerlegung(TPolynom P, TZerlegung& Z, bool Kommentar) {
    SenkeGrad(P);
    Z.Liste = NeueLeereListe();
    Z.Anzahl = 0;
    Z.Leitkoeffizient = P.Koeff[P.Grad];
    Z.Vollstaendig = false;
    // A leading coefficient that may be 0 leaves the degree open: nothing is divided by it.
    if (P.Grad >= 1 && Nullheit(P.Koeff[P.Grad]) == TNullheit::Unklar) {
        if (Kommentar) SchreibeUnklarObNull(P.Koeff[P.Grad], "der Leitkoeffizient");
        return;
    }
    try {
        if (Kommentar) {
            SchreibeUnterstrichen("Zerlegung");
            Schreibe(" des Polynoms P(x) = ");
            SchreibeTerm(PolynomToTerm(P));
            SchreibeZeile(" in Faktoren:");
        }
        const Int32 n = P.Grad;
        if (n == 0) {
            if (Kommentar) SchreibeZeile("Konstante Polynome <>0 sind nur trivial zerlegbar.");
        } else if (n == 1) {
            Z.Liste->FuegeHinzu(KonstantVereinfacht(Quotient(P.Koeff[0], P.Koeff[1])->Negation()), 1);
        } else if (n == 2 && !P.Koeff[0]->IstNull()) {
            ZerlegeQuadratisch(P.Koeff[2], P.Koeff[1], P.Koeff[0], Z, Kommentar);
        } else {
            Int32 k = 0;
            while (P.Koeff[k]->IstNull()) ++k;
            bool mitte = false;
            for (Int32 i = 1; i < n; ++i)
                if (!P.Koeff[i]->IstNull()) mitte = true;
            TPolynom Q;
            if (k >= 1) {
                ZerlegeAusklammern(P, k, Z, Kommentar);
            } else if (!mitte) {
                ZerlegeReinePotenz(P.Koeff[n], P.Koeff[0], n, Z, Kommentar);
            } else if (PQuadratSubstitution(P, Q, Kommentar)) {
                ZerlegeQuadratischSubst(Q, Z, Kommentar);
            } else if (!(IstRationalesPolynom(P) && ZerlegeRational(P, Z, Kommentar))) {
                // Each later case runs only when the earlier ones found no factor: a found factor's
                // cofactor has been factorised through every case already.
                if (n == 3 && CardanoAnwenden) {
                    ZerlegeCardano(P, Z, Kommentar);
                } else if (!ZerlegePix(P, Z, Kommentar)) {
                    if (!(n == 4 && ZerlegeViertenGrad(P, Z, Kommentar)))
                        ZerlegeQuadFaktorSuche(P, Z, Kommentar);
                }
            }
        }
        Z.Vollstaendig = FaktorGrad(Z) == n;
        if (Kommentar) SchreibeErgebnis(Z);
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const std::exception& e) {
        Z.Vollstaendig = false;
        SchreibeZeile(std::string("Schritt: Polynomzerlegung nicht OK! ") + e.what());
        ZeichneSeite(0);
    }
}

// ---- The cases ----

void QuadFaktorAufnehmen(TTerm* p, TTerm* q, Int32 m, TZerlegung& Z, bool Kommentar) {
    p = KonstantVereinfacht(p);
    q = KonstantVereinfacht(q);
    const TVorzeichen d = VorzeichenVon(KonstantVereinfacht(Differenz(Quotient(Produkt(p, p), Vier), q)));
    TSListe* L = nullptr;
    if (d == TVorzeichen::Negativ || d == TVorzeichen::Unbekannt ||
        !PQFormel(Eins, p, q, nullptr, L, Kommentar)) {
        FaktorEinfuegen(p, q, m, Z.QuadListe, Z.Anzahl);
        return;
    }
    for (Int32 i = 1; i <= L->Anzahl; ++i)
        Z.Liste->FuegeHinzu(L->Stellen[i]->Punkt, m * L->Stellen[i]->Vielfachheit);
}

void ZerlegeQuadratisch(TTerm* a, TTerm* b, TTerm* c, TZerlegung& Z, bool Kommentar) {
    // An undecidable discriminant leaves the polynomial unfactorised.
    if (!PQFormel(a, b, c, nullptr, Z.Liste, Kommentar)) return;
    if (Z.Liste->Anzahl == 0)
        FaktorEinfuegen(KonstantVereinfacht(Quotient(b, a)), KonstantVereinfacht(Quotient(c, a)), 1,
                        Z.QuadListe, Z.Anzahl);
}

void ZerlegeAusklammern(TPolynom P, Int32 k, TZerlegung& Z, bool Kommentar) {
    SenkeGrad(P);
    if (Kommentar) {
        Schreibe("Faktor ");
        SchreibeTerm(XHoch(k));
        SchreibeZeile(" wird ausgeklammert ");
    }
    Z.Liste->FuegeHinzu(Null, k);
    if (k >= P.Grad) return;
    TPolynom R;
    R.Grad = P.Grad - k;
    for (Int32 i = 0; i <= R.Grad; ++i) R.Koeff[i] = P.Koeff[i + k];
    Uebernimm(Verschachtelt(R, Kommentar), Z);
}

void ZerlegeReinePotenz(TTerm* an, TTerm* a0, Int32 n, TZerlegung& Z, bool Kommentar) {
    Z.Leitkoeffizient = an;
    if (a0->IstNull()) {
        Z.Liste->FuegeHinzu(Null, n);
        if (Kommentar) SchreibeZeile("0 ist " + std::to_string(n) + "-fache Nullstelle.");
        return;
    }
    TTerm* c = KonstantVereinfacht(Quotient(a0, an)->Negation());
    if (n == 1) {
        Z.Liste->FuegeHinzu(c, 1);
        if (Kommentar) SchreibeTextTermZeile("Einfache Nullstelle bei ", c);
        return;
    }
    const TVorzeichen vz = VorzeichenVon(c);
    if (vz == TVorzeichen::Unbekannt) return;
    const bool negativ = vz == TVorzeichen::Negativ;
    TTerm* r = KonstantVereinfacht(ZieheWurzel(negativ ? Negiert(c) : c, n));
    TTerm* r2 = KonstantVereinfacht(Produkt(r, r));
    // x^2 - 2r*cos(z/n * pi)*x + r^2.
    auto faktor = [&](Int64 z) {
        TTerm* p = KonstantVereinfacht(Produkt(Produkt(Bruchkonstante(-2, 1), r), KosinusPiVielfaches(z, n)));
        FaktorEinfuegen(p, r2, 1, Z.QuadListe, Z.Anzahl);
    };
    if (n % 2 == 1) {
        if (negativ) r = Negiert(r);
        Z.Liste->FuegeHinzu(r, 1);
        for (Int32 k = 1; k <= (n - 1) / 2; ++k) faktor(2 * k);
        if (Kommentar) SchreibeTextTermZeile("Genau eine reelle Nullstelle bei ", r);
    } else if (negativ) {
        for (Int32 k = 1; k <= n / 2; ++k) faktor(2 * k - 1);
        if (Kommentar) SchreibeZeile("Keine reellen Nullstellen");
    } else {
        Z.Liste->FuegeHinzu(r, 1);
        Z.Liste->FuegeHinzu(Negiert(r), 1);
        for (Int32 k = 1; k <= n / 2 - 1; ++k) faktor(2 * k);
        if (Kommentar) {
            Schreibe("Zwei reelle Nullstellen bei ");
            SchreibeZeichen(1177);
            SchreibeTermZeile(r);
        }
    }
    if (Kommentar) SchreibeEinheitswurzeln();
}

void ZerlegeQuadratischSubst(TPolynom Q, TZerlegung& Z, bool Kommentar) {
    const TZerlegung N = Verschachtelt(Q, Kommentar);
    if (!N.Vollstaendig) return;
    for (Int32 i = 1; i <= N.Liste->Anzahl; ++i) {
        TTerm* z = N.Liste->Stellen[i]->Punkt;
        const Int32 m = N.Liste->Stellen[i]->Vielfachheit;
        const TVorzeichen vz = VorzeichenVon(z);
        if (vz == TVorzeichen::Negativ) {
            FaktorEinfuegen(Null, Negiert(z), m, Z.QuadListe, Z.Anzahl);
        } else if (vz != TVorzeichen::Unbekannt) {
            TTerm* w = ReelleWurzel(z, 2);
            Z.Liste->FuegeHinzu(w, m);
            Z.Liste->FuegeHinzu(Negiert(w), m);
        }
    }
    // y^2 + p*y + q without real zero: x^4 + p*x^2 + q = (x^2 - s*x + w)(x^2 + s*x + w), w = sqrt(q),
    // s = sqrt(2w - p).
    for (Int32 i = 1; i <= N.Anzahl; ++i) {
        const TQuadFaktor& F = N.QuadListe[i];
        TTerm* w = ReelleWurzel(F.q, 2);
        TTerm* s = ReelleWurzel(KonstantVereinfacht(Differenz(Produkt(Zwei, w), F.p)), 2);
        QuadFaktorAufnehmen(Negiert(s), w, F.Vielfachheit, Z, Kommentar);
        QuadFaktorAufnehmen(s, w, F.Vielfachheit, Z, Kommentar);
    }
}

bool ZerlegeRational(TPolynom P, TZerlegung& Z, bool Kommentar) {
    SenkeGrad(P);
    TTerm* r = nullptr;
    TPolynom linear, quotient, rest;
    try {
        PErweitere(P, Kommentar);
        NullstelleRaten(P, r, Kommentar);
        if (!r) return false;
        linear.Grad = 1;
        linear.Koeff[1] = Eins;
        linear.Koeff[0] = KonstantVereinfacht(r->Negation());
        // Coefficients beyond 64 bits leave the zero unused, as if it had not been found.
        PDurch(P, linear, quotient, rest, false);
    } catch (const ERessourcen&) {
        return false;
    }
    Z.Liste->FuegeHinzu(r, 1);
    if (Kommentar) {
        Schreibe("Polynomdivision durch ");
        SchreibeTerm(PolynomToTerm(linear));
        SchreibeZeile(" ergibt: ");
        PDurch(P, linear, quotient, rest, true);
        SchreibeTermZeile(PolynomToTerm(quotient));
    }
    Uebernimm(Verschachtelt(quotient, Kommentar), Z);
    return true;
}

void ZerlegeCardano(TPolynom P, TZerlegung& Z, bool Kommentar) {
    TSListe* L = nullptr;
    TPolynom quadFaktor;
    uint8_t status = unklar;
    Cardano(P, L, quadFaktor, status, Kommentar, Kommentar);
    if (L) SListenVereinigen(L, Z.Liste, false);
    if (!IstNullPolynom(quadFaktor))
        QuadFaktorAufnehmen(quadFaktor.Koeff[1], quadFaktor.Koeff[0], 1, Z, Kommentar);
}

bool ZerlegePix(TPolynom P, TZerlegung& Z, bool Kommentar) {
    SenkeGrad(P);
    TPolynom R, I;
    PvonIX(P, R, I);
    TSListe* zI = nullptr;
    uint8_t statusI = unklar;
    try {
        PNullstellen(I, IntervallR, zI, statusI, false);
    } catch (const ERessourcen&) {
        return false;
    }
    TTerm* rTerm = PolynomToTerm(R);
    for (Int32 j = 1; j <= zI->Anzahl; ++j) {
        TTerm* z = zI->Stellen[j]->Punkt;
        TPolynom F, quotient, rest;
        try {
            TTerm* r = rTerm->Ersetze(VariableX, z);
            if (!r || !KonstantVereinfacht(r)->IstNull()) continue;
            F.Grad = 2;
            F.Koeff[2] = Eins;
            F.Koeff[0] = z;
            PDurch(P, F, quotient, rest, false);
        } catch (const ERessourcen&) {
            continue;
        }
        if (!IstNullPolynom(rest)) continue;
        const bool reell = VorzeichenVon(z) == TVorzeichen::Negativ;
        TTerm* w = reell ? ReelleWurzel(Negiert(z), 2) : nullptr;
        if (Kommentar) {
            Schreibe("Für P(ix) findet man Nullstellen, so dass sich P(x) in ");
            SchreibeTerm(OperatorTerm(PolynomToTerm(F), PolynomToTerm(quotient), '*'));
            Schreibe(" zerlegen lässt, wobei der erste Faktor ");
            if (reell) {
                SchreibeZeile(" sich wiederum in ");
                SchreibeTerm(OperatorTerm(Linearfaktor(w), Linearfaktor(Negiert(w)), '*'));
                SchreibeZeile(" zerlegen lässt.");
            } else {
                SchreibeZeile(" in IR unzerlegbar ist.");
            }
            SchreibeZeile("Der zweite Faktor muss weiter zerlegt werden.");
        }
        Uebernimm(Verschachtelt(quotient, Kommentar), Z);
        if (reell) {
            Z.Liste->FuegeHinzu(w, 1);
            Z.Liste->FuegeHinzu(Negiert(w), 1);
        } else {
            QuadFaktorAufnehmen(Null, z, 1, Z, Kommentar);
        }
        return true;
    }
    return false;
}

// ---- The step ----

namespace {

// Products nested deeper than this are not taken apart (a school polynomial has a few factors).
constexpr Int32 MaxFaktortiefe = 64;

// T, a factor of f as entered taken to the power m, as a product of powers of polynomials: each with its
// exponent into Faktoren, the constant factors into Konstante. False for any other form (a sum of products).
bool Faktorform(TTerm* T, Int32 m, std::vector<std::pair<TPolynom, Int32>>& Faktoren, TTerm*& Konstante,
                Int32 Tiefe = 0) {
    if (Tiefe > MaxFaktortiefe) return false;
    if (T->IstKonstant) {
        Konstante = Produkt(Konstante, m == 1 ? T : PotenzTerm(T, Int64(m)));
        return true;
    }
    if (auto* o = AlsOperatorTerm(T); o && o->Operator == '*')
        return Faktorform(o->T1, m, Faktoren, Konstante, Tiefe + 1) &&
               Faktorform(o->T2, m, Faktoren, Konstante, Tiefe + 1);
    if (auto* o = AlsOperatorTerm(T); o && o->Operator == '/' && o->T2->IstKonstant) {
        Konstante = Quotient(Konstante, m == 1 ? o->T2 : PotenzTerm(o->T2, Int64(m)));
        return Faktorform(o->T1, m, Faktoren, Konstante, Tiefe + 1);
    }
    if (auto* p = AlsPotenzTerm(T);
        p && p->Exponent.Nenner == 1 && p->Exponent.Zaehler >= 1 && p->Exponent.Zaehler * m <= MaxGrad)
        return Faktorform(p->Argument, Int32(p->Exponent.Zaehler) * m, Faktoren, Konstante, Tiefe + 1);
    try {
        bool neu = false;
        TPolynomTerm* form = TPolynomTermCreateT(T, neu);
        if (!form || form->P.Grad < 1) return false;
        Faktoren.push_back({form->P, m});
        return true;
    } catch (const EUeberlauf&) {
        // A sum whose own coefficients leave the exact arithmetic.
        return false;
    }
}

// The line on f whose coefficients leave the exact arithmetic when multiplied out; where f as entered is a
// product of powers of polynomials whose coefficients fit ((x+10^12)^2), its factorisation follows.
void ZerlegeFaktorweise(const EUeberlauf& e) {
    std::string grund = e.Grund;
    if (grund.ends_with(".")) grund.pop_back();
    SchreibeZeile("Beim Ausmultiplizieren werden die Zahlen für die exakte Rechnung zu groß (" + grund +
                  ").");
    TZerlegung Z;
    if (PZerlegungFaktorweise(EingegebenesF(), Z, Kommentare)) SchreibeErgebnis(Z);
}

} // namespace

bool PZerlegungFaktorweise(TTerm* F, TZerlegung& Z, bool Kommentar) {
    std::vector<std::pair<TPolynom, Int32>> faktoren;
    TTerm* konstante = Eins;
    Z = TZerlegung{};
    Z.Liste = NeueLeereListe();
    Z.Vollstaendig = true;
    try {
        if (!Faktorform(F, 1, faktoren, konstante) || (faktoren.size() == 1 && faktoren[0].second == 1))
            return false;
        if (Kommentar) SchreibeZeile("Die Faktoren von P werden einzeln zerlegt.");
        for (const auto& [Q, m] : faktoren) {
            const TZerlegung N = Verschachtelt(Q, Kommentar);
            Z.Vollstaendig = Z.Vollstaendig && N.Vollstaendig;
            for (Int32 i = 1; i <= N.Liste->Anzahl; ++i)
                StelleEinfuegen(
                    Neu<TStelle>(N.Liste->Stellen[i]->Punkt, N.Liste->Stellen[i]->Vielfachheit * m), Z.Liste,
                    false);
            for (Int32 i = 1; i <= N.Anzahl; ++i)
                FaktorEinfuegen(N.QuadListe[i].p, N.QuadListe[i].q, N.QuadListe[i].Vielfachheit * m,
                                Z.QuadListe, Z.Anzahl);
            konstante =
                Produkt(konstante, m == 1 ? N.Leitkoeffizient : PotenzTerm(N.Leitkoeffizient, Int64(m)));
        }
    } catch (const EUeberlauf&) {
        return false;
    }
    // A leading coefficient beyond the exact arithmetic stays a product of powers: 1000000000000^2.
    Z.Leitkoeffizient = konstante;
    try {
        TWechsel<bool> melden(KonstantenUeberlaufMelden, false);
        Z.Leitkoeffizient = KonstantVereinfacht(konstante);
    } catch (const EUeberlauf&) {
    }
    return true;
}

void SchrittPolynomzerlegung() {
    TPolynomTerm* polynom = nullptr;
    // Only f that is a polynomial as entered: not a quotient that cancels to one, not sqrt(x)^2.
    const TArtVonF art = FTerm ? ArtVonF() : TArtVonF{};
    // A polynomial beyond the degree limit, or one whose terms pass it on the way (x^30-x^30+x), or whose
    // coefficients leave the exact arithmetic, is named under the step's heading with what stops it.
    auto ueberGrenze = [](const std::function<void()>& Grund) {
        SchreibeUnterstrichen("Zerlegung");
        SchreibeTextTermTextZeile(" des Polynoms P(x) = ", EingegebenesF(), " in Faktoren:");
        Grund();
        NeueZeile();
        Trennlinie();
        ZeichneSeite(0);
    };
    if (art.Klasse == TFunktionsklasse::Polynom && art.Grad > MaxGrad)
        return ueberGrenze([&] { SchreibeGradUeberGrenze(art.Grad); });
    if (art.Klasse == TFunktionsklasse::Polynom) {
        try {
            FTerm->HoleNormalform();
            // Also a polynomial that f's normal form keeps as a power, such as (x+1)^2.
            bool neu = false;
            polynom = TPolynomTermCreateT(FTerm, neu);
        } catch (const EGradUeberschritten& e) {
            return ueberGrenze([&] { SchreibeZeile(e.what()); });
        } catch (const EUeberlauf& e) {
            return ueberGrenze([&] { ZerlegeFaktorweise(e); });
        }
    }
    if (polynom) {
        TZerlegung Z;
        PZerlegung(polynom->P, Z, Kommentare);
        // Without comments the step still shows its result.
        if (!Kommentare) SchreibeErgebnis(Z);
        NeueZeile();
        Trennlinie();
    } else {
        SchreibeZeile("f ist keine ganzrationale Funktion (Polynom), hat also keine Produktzerlegung in "
                      "einfachere Polynome.");
    }
    ZeichneSeite(0);
}

} // namespace zol
