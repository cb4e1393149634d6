// The term tree: every mathematical expression is a tree of term objects in the one variable x.
//
// TTerm declares the virtual operations that every part of the system uses to build, evaluate,
// differentiate, integrate and solve terms; TTTerm adds the solving operations. Concrete classes:
// constants (rational, named, real, radical), the variable x, operator terms, piecewise terms and the
// one-argument functions (powers, standard functions, general exponentials, roots).
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "term/Arena.h"
#include "term/Brueche.h"
#include "term/Fehler.h"
#include "term/Grundtypen.h"

namespace zol {

class TFolie;
class TMenge;
class TSListe;
class TNormalform;
class TStrom;

// Funktionsarten bits: which function kinds occur in a term.
constexpr uint8_t FunktionsartExp = 0x02;
constexpr uint8_t FunktionsartLn = 0x04;
constexpr uint8_t FunktionsartTrig = 0x08;
constexpr uint8_t FunktionsartWurzel = 0x10;

// Zustand bits: processing state.
constexpr uint8_t TermVereinfacht = 0x01;
constexpr uint8_t TermKumuliert = 0x02;
constexpr uint8_t FaktorAbgespalten = 0x04;
constexpr uint8_t KeineNormalform = 0x08;
// The term's normal form is being built just now.
constexpr uint8_t NormalformImBau = 0x10;
// The zero decision of a constant (algebra/Nullentscheidung) is known; its value in the bits of NullheitWert.
constexpr uint8_t NullheitBekannt = 0x20;
constexpr uint8_t NullheitWert = 0xc0;
constexpr int NullheitVerschiebung = 6;

// MoeglicheNormalformen bits, one per normal-form kind.
constexpr uint16_t NormalformPT = 0x001;
constexpr uint16_t NormalformRF = 0x002;
constexpr uint16_t NormalformRNF = 0x004;
constexpr uint16_t NormalformENF = 0x008;
constexpr uint16_t NormalformWNF = 0x010;
constexpr uint16_t NormalformRaNF = 0x020;
constexpr uint16_t Normalform040 = 0x040;
constexpr uint16_t NormalformTNF = 0x080;
constexpr uint16_t NormalformPTNF = 0x100;
constexpr uint16_t NormalformRTNF = 0x200;
constexpr uint16_t AlleNormalformen = 0x3ff;

// Class ranks (Typrang): the order of term classes.
constexpr uint8_t RangRational = 1;
constexpr uint8_t RangBenannt = 2;
constexpr uint8_t RangReell = 3;
constexpr uint8_t RangRadikal = 4;
constexpr uint8_t RangVariable = 5;
constexpr uint8_t RangOperator = 6;
constexpr uint8_t RangJoin = 7;
constexpr uint8_t RangPotenz = 8;
constexpr uint8_t RangWurzel = 9;
constexpr uint8_t RangAllgExp = 10;
constexpr uint8_t RangStandard = 11;

class TTerm : public TArenaObjekt {
public:
    TTerm() = default;
    TTerm(const TTerm&) = delete;
    TTerm& operator=(const TTerm&) = delete;

    std::string Kennung = "nil";
    Int32 Knotenzahl = 0;
    uint8_t Funktionsarten = 0;
    uint8_t Zustand = 0;
    uint16_t MoeglicheNormalformen = 0;
    bool IstKonstant = false;
    TTerm* Vereinfacht = nullptr;
    TNormalform* Normalform = nullptr;
    uint8_t Typrang = 0;
    std::string Text;
    // Counts the changes of Text, so that a term above a child changed in place sees that its text is old.
    uint32_t Textstand = 0;
    // Whether the term holds a parameter (EnthaeltParameter): -1 not asked yet, else 0 or 1.
    int8_t MitParameter = -1;

    // Releases the cached normal form (the arena frees the term itself).
    void Freigeben();
    // Fetches and caches the term's normal form from the normal-form dispatcher.
    void HoleNormalform();

    // Slot 0: recomputes the derived fields from the children.
    virtual void Aktualisiere() {}
    // Slot 1: the value at x; Definiert false where the term has no value.
    virtual Extended Wert(Extended x, bool& Definiert) = 0;
    // Slot 2: the term with T put in for x.
    virtual TTerm* Einsetzen(TTerm* T) = 0;
    // Slot 3: the term is the constant 0.
    virtual bool IstNull() { return false; }
    // Slot 4: the term is an exact rational constant.
    virtual bool IstRational() { return false; }
    // Slot 5: symmetry of the graph.
    virtual void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                           bool Kommentar);
    // Slot 6: the term equals the fraction B.
    virtual bool HatWert(const TBruch& B) { return (void)B, false; }
    // Slot 7: structural equality.
    virtual bool IstGleich(TTerm* T) = 0;
    // Slot 8: strict total order.
    virtual bool IstKleiner(TTerm* T) = 0;
    // Slot 9: derivative with respect to x.
    virtual TTerm* Ableitung() = 0;
    // Slot 10: nil bounds ask for an antiderivative, given bounds for the value; nil when unknown.
    virtual TTerm* Integral(TTerm* a, TTerm* b);
    // Slot 11: the inverse function, or nil.
    virtual TTerm* Umkehrfunktion() { return nullptr; }
    // Slot 12: every subterm equal to Alt replaced by Neu.
    virtual TTerm* Ersetze(TTerm* Alt, TTerm* Neu);
    // Slot 13: typesetting at type size Groesse; the caller owns the result.
    virtual std::unique_ptr<TFolie> Folie(Single Groesse) = 0;
    // Slot 14: the negated term.
    virtual TTerm* Negation();
    // Slot 15: writes the term to a stream.
    virtual void SchreibeInStream(TStrom& S);

protected:
    // Writes the tag record: the kind tag as a short string and the function kinds.
    void SchreibeKennung(TStrom& S);
    // Sets Text to the parts joined; a text that already is that stays (an update of an unchanged term
    // allocates nothing).
    void SetzeText(std::initializer_list<std::string_view> Teile);
    // The text follows from the children a and b (b nil for one child) and the term's own fields, which do
    // not change: it is current when it was last set from these very children with the texts they have now.
    // An update of an unchanged term (Aktualisiere runs through whole subtrees again and again) then builds
    // no text; a child replaced in place, or one whose own text changed, has it built again.
    bool TextAktuell(const TTerm* a, const TTerm* b = nullptr) const {
        return !Text.empty() && Textquelle[0] == a && Textquelle[1] == b &&
               Textquellenstand[0] == a->Textstand && (!b || Textquellenstand[1] == b->Textstand);
    }
    // Notes the children the text was set from.
    void MerkeTextquelle(const TTerm* a, const TTerm* b = nullptr) {
        Textquelle[0] = a;
        Textquelle[1] = b;
        Textquellenstand[0] = a->Textstand;
        Textquellenstand[1] = b ? b->Textstand : 0;
    }

private:
    const TTerm* Textquelle[2] = {};
    uint32_t Textquellenstand[2] = {};
};

class TTTerm : public TTerm {
public:
    // Slot 16: the zeros in M. Status: 0 more than the list, 1 complete, 2 unclear.
    virtual void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) = 0;
    // Slot 17: the x in M with term = C.
    virtual void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) = 0;
    // Slot 18: the definition range; Status 1 exact, 2 undetermined.
    virtual void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) = 0;
    // Slot 19: the term is defined on all of M.
    virtual TWahrheitswert IstDefiniertAuf(TMenge* M) { return (void)M, wahr; }
};

class TKonstante : public TTTerm {
public:
    TKonstante();

    TTerm* Einsetzen(TTerm* T) override;
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    TTerm* Ableitung() override;
    TTerm* Integral(TTerm* a, TTerm* b) override;
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
    void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) override;
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) override;
};

class TRationaleKonstante : public TKonstante {
public:
    explicit TRationaleKonstante(const TBruch& wert);

    TBruch Bruch;

    Extended Wert(Extended x, bool& Definiert) override;
    bool IstNull() override { return Bruch.Zaehler == 0; }
    bool IstRational() override { return true; }
    bool HatWert(const TBruch& B) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    TTerm* Negation() override;
    void SchreibeInStream(TStrom& S) override;
};

class TBenannteKonstante : public TKonstante {
public:
    explicit TBenannteKonstante(const std::string& name);

    Extended Wert(Extended x, bool& Definiert) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
};

class TReelleKonstante : public TKonstante {
public:
    explicit TReelleKonstante(Extended wert);

    Extended Zahl;

    Extended Wert(Extended x, bool& Definiert) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    void SchreibeInStream(TStrom& S) override;
};

class TVariable : public TTTerm {
public:
    explicit TVariable(char name);

    Extended Wert(Extended x, bool& Definiert) override;
    TTerm* Einsetzen(TTerm* T) override { return T; }
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    TTerm* Ableitung() override;
    TTerm* Integral(TTerm* a, TTerm* b) override;
    TTerm* Umkehrfunktion() override { return this; }
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
    void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) override;
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) override;
};

// An inner node of an arithmetic expression: T1 Operator T2 with one of + - * /.
class TOperatorTerm : public TTTerm {
public:
    TOperatorTerm(TTerm* t1, char op, TTerm* t2);

    TTerm* T1;
    TTerm* T2;
    char Operator;

    void Aktualisiere() override;
    // The own derived fields from the children's, without descending (constructors use it).
    void AktualisiereKnoten();
    Extended Wert(Extended x, bool& Definiert) override;
    TTerm* Einsetzen(TTerm* T) override;
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    TTerm* Ableitung() override;
    TTerm* Integral(TTerm* a, TTerm* b) override;
    TTerm* Umkehrfunktion() override;
    TTerm* Ersetze(TTerm* Alt, TTerm* Neu) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    TTerm* Negation() override;
    void SchreibeInStream(TStrom& S) override;
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
    void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) override;
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) override;
    TWahrheitswert IstDefiniertAuf(TMenge* M) override;

    // The zeros of T1 * T2 in M, each kept only where the other factor is defined.
    void ProduktNullstellen(TTerm* F1, TTerm* F2, TMenge* M, TSListe*& Liste, bool Kommentar,
                            uint8_t& Status);
};

// The integral of c / sqrt(A*x^2 + B*x + C) (Term, with c its numerator, the factor c left out) between
// a and b, or an antiderivative when a bound is nil.
TTerm* IntegriereOperatorTerm(TTerm* Term, TTerm* A, TTerm* B, TTerm* C, TTerm* a, TTerm* b);

// A piecewise term: at x the value is T1(c) for c = Bedingung(x) < 0 and T2(c) for c > 0; where c is 0 it
// is defined only when Stetig holds. Not kept in the term store.
class TJoin : public TTTerm {
public:
    // The piecewise term with Stetig determined from the branches.
    TJoin(TTerm* t1, TTerm* bedingung, TTerm* t2);
    // Stetig given true is checked against the branches; false stays false.
    TJoin(TTerm* t1, TTerm* t2, TTerm* bedingung, bool stetig);

    TTerm* T1;
    TTerm* T2;
    TTerm* Bedingung;
    bool Stetig;

    void Aktualisiere() override;
    // The own derived fields from the children's, without descending (constructors use it).
    void AktualisiereKnoten();
    Extended Wert(Extended x, bool& Definiert) override;
    TTerm* Einsetzen(TTerm* T) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    TTerm* Ableitung() override;
    TTerm* Integral(TTerm* a, TTerm* b) override;
    TTerm* Ersetze(TTerm* Alt, TTerm* Neu) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    void SchreibeInStream(TStrom& S) override;
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
    void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) override;
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) override;
    TWahrheitswert IstDefiniertAuf(TMenge* M) override;
};

// A function of one argument; the subclasses add their own fields after it.
class TFunktion : public TTTerm {
public:
    explicit TFunktion(TTerm* argument) : Argument(argument) {}

    TTerm* Argument;

    void SchreibeInStream(TStrom& S) override;
};

// The power Argument^Exponent with an exact rational exponent.
class TPotenz : public TFunktion {
public:
    TPotenz(TTerm* basis, const TBruch& exponent);

    TBruch Exponent;

    void Aktualisiere() override;
    // The own derived fields from the children's, without descending (constructors use it).
    void AktualisiereKnoten();
    Extended Wert(Extended x, bool& Definiert) override;
    TTerm* Einsetzen(TTerm* T) override;
    void Symmetrie(TWahrheitswert& Achsensymmetrisch, TWahrheitswert& Punktsymmetrisch,
                   bool Kommentar) override;
    bool IstGleich(TTerm* T) override;
    bool IstKleiner(TTerm* T) override;
    TTerm* Ableitung() override;
    TTerm* Integral(TTerm* a, TTerm* b) override;
    TTerm* Umkehrfunktion() override;
    TTerm* Ersetze(TTerm* Alt, TTerm* Neu) override;
    std::unique_ptr<TFolie> Folie(Single Groesse) override;
    void SchreibeInStream(TStrom& S) override;
    void Nullstellen(TMenge* M, TSListe*& Liste, bool Kommentar, uint8_t& Status) override;
    void LoeseGleichung(TTerm* C, TMenge* M, bool Kommentar, uint8_t& Status, TSListe*& Liste) override;
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& Status, bool Kommentar) override;
    TWahrheitswert IstDefiniertAuf(TMenge* M) override;
};

// B^e simplified; with RadikaleErlaubt radical constants may appear in the result.
TTerm* BildePotenz(TTerm* B, const TBruch& e, bool RadikaleErlaubt);
TTerm* Potenz(TTerm* B, const TBruch& e);
TTerm* PotenzRadikal(TTerm* B, const TBruch& e);
// T viewed as a power: a power itself, a root or sqrt as a fractional power, anything else to the power 1.
TTerm* AlsPotenz(TTerm* T);

// Class tests by rank.
inline bool IstRationaleKonstante(const TTerm* T) {
    return T && T->Typrang == RangRational;
}
inline bool IstVariable(const TTerm* T) {
    return T && T->Typrang == RangVariable;
}
inline bool IstOperatorTerm(const TTerm* T) {
    return T && T->Typrang == RangOperator;
}
inline bool IstPotenz(const TTerm* T) {
    return T && T->Typrang == RangPotenz;
}
inline bool IstJoin(const TTerm* T) {
    return T && T->Typrang == RangJoin;
}
inline TTTerm* AlsTTTerm(TTerm* T) {
    return dynamic_cast<TTTerm*>(T);
}
inline TJoin* AlsJoin(TTerm* T) {
    return IstJoin(T) ? static_cast<TJoin*>(T) : nullptr;
}
inline TRationaleKonstante* AlsRationaleKonstante(TTerm* T) {
    return IstRationaleKonstante(T) ? static_cast<TRationaleKonstante*>(T) : nullptr;
}
inline TOperatorTerm* AlsOperatorTerm(TTerm* T) {
    return IstOperatorTerm(T) ? static_cast<TOperatorTerm*>(T) : nullptr;
}
inline TPotenz* AlsPotenzTerm(TTerm* T) {
    return IstPotenz(T) ? static_cast<TPotenz*>(T) : nullptr;
}

// Shared constant terms, built once by InitialisiereTerme outside the term store.
extern TRationaleKonstante* Null;
extern TRationaleKonstante* Eins;
extern TRationaleKonstante* MinusEins;
extern TRationaleKonstante* Zwei;
extern TRationaleKonstante* Drei;
extern TRationaleKonstante* Vier;
extern TRationaleKonstante* EinHalb;
extern TRationaleKonstante* MinusEinHalb;
extern TRationaleKonstante* EinDrittel;
extern TRationaleKonstante* MinusEinDrittel;
extern TRationaleKonstante* EinViertel;
extern TVariable* VariableX;

// The 168 primes from 2 to 997, indexed 1 to 168 (index 0 unused).
extern const Int32 Primzahlen[169];

// Builds the shared constants of the term model in dependency order: the set constants first, then the
// constant terms, x and the standard intervals. Idempotent.
void InitialisiereTerme();

// Records the current caches (normal form, simplified form, state bits) of the shared constant terms
// as their permanent state; start-up calls it after attaching their normal forms.
void MerkeDauerhafteTerme();
// Restores the recorded state, dropping whatever a request cached on the shared constants.
void SetzeDauerhafteTermeZurueck();

} // namespace zol
