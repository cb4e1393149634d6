// Zeros, equations, definition range and definedness of roots.
#include "output/Ausgabe.h"
#include "steps/Gleichungen.h"
#include "steps/Nullstel.h"
#include "term/Mengen.h"
#include "term/Punktlisten.h"
#include "term/Wurzeln.h"

namespace zol {

void TWurzel::Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) {
    Liste = NeueLeereListe();
    Status = wahr;
    if (Grad < 1) return;
    if (Kommentar) SchreibeTextTermZeile("Das sind die Nullstellen von ", Argument);
    {
        TWechsel<Int32> einzug(Einrueckung, Einrueckung + Einzug);
        SucheNullstellen(Argument, M, Liste, Kommentar, Status);
    }
    if (!Liste) Liste = NeueLeereListe();
    // The multiplicity of a zero of the radicand is not that of its root.
    OhneVielfachheit(Liste);
}

void TWurzel::LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) {
    if (Kommentar) {
        SchreibeTerm(this);
        SchreibeTextTermZeile(" = ", C);
    }
    Liste = NeueLeereListe();
    Status = unklar;
    TTTerm* u = AlsTTTerm(Argument);
    // A right-hand side without a value (a parameter) leaves the equation open.
    bool definiert = false;
    const Extended c = C && C->IstKonstant ? C->Wert(0, definiert) : 0;
    if (!u || !definiert) return;
    if (c < 0 || Grad < 1) {
        Status = wahr;
        return;
    }
    u->LoeseGleichung(PotenzRadikal(C, TBruch{Grad, 1}), M, Kommentar, Status, Liste);
    if (c == 0) OhneVielfachheit(Liste);
}

void TWurzel::BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) {
    SchreibeZeile("TWurzel.BestimmeDefinitionsbereich noch nicht implementiert.");
    Status = wahr;
    if (IstVariable(Argument) && Grad >= 1) {
        Menge = NichtNegativeMenge;
        return;
    }
    bool definiert = false;
    if (Argument->IstKonstant || Grad < 1) {
        // A constant root is defined everywhere or nowhere.
        Wert(0, definiert);
        Menge = definiert ? static_cast<TMenge*>(MengeR) : LeereMenge;
        return;
    }
    // Where the radicand is defined and not negative.
    TMenge* D = nullptr;
    uint8_t argumentStatus = unklar;
    MengeDefinitionsbereich(Argument, D, argumentStatus, Kommentar);
    TWahrheitswert urbildStatus = unklar;
    TMenge* urbild = Urbild(Argument, IntervallNichtNegativ, D, Kommentar, urbildStatus);
    Menge = MengenOperation(D, urbild, 'n');
    Status = WahrWennBeide(argumentStatus, urbildStatus);
}

TWahrheitswert TWurzel::IstDefiniertAuf(TMenge* M) {
    bool definiert = false;
    if (Argument->IstKonstant || Grad < 1) {
        // A constant radicand without a value (a parameter) is not decided.
        Argument->Wert(0, definiert);
        if (!definiert) return Grad < 1 ? falsch : unklar;
        Wert(0, definiert);
        return definiert ? wahr : falsch;
    }
    TTTerm* u = AlsTTTerm(Argument);
    if (!u) return unklar;
    const TWahrheitswert r = u->IstDefiniertAuf(M);
    if (r != wahr) return r;
    // A set that is not an interval is judged by its hull: defined there means defined on the set.
    auto* I = dynamic_cast<TIntervall*>(M);
    const bool exakt = I || (dynamic_cast<TStandardMenge*>(M) && M->Kennung == "R");
    if (!I) I = HuelleVon(M);
    if (!I || IstLeeresIntervall(I)) return wahr;
    TWahrheitswert ungleichNull = unklar, nichtNegativ = unklar;
    UntersucheVorzeichen(Argument, I, ungleichNull, nichtNegativ);
    return exakt || nichtNegativ == wahr ? nichtNegativ : unklar;
}

} // namespace zol
