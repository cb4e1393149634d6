// Terms of the tests: one of the base class only, and one whose answers are preset.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "output/folienT.h"
#include "term/Mengen.h"
#include "term/TermManager.h"
#include "term/Terme.h"

namespace zol {

// A term of the base class only: it has none of the solving operations of the concrete term classes.
class TNurTerm : public TTerm {
public:
    TNurTerm() {
        Kennung = "NurT";
        Text = "NurT";
        Typrang = RangStandard;
    }
    Extended Wert(Extended, bool& d) override { return d = false, 0; }
    TTerm* Einsetzen(TTerm*) override { return this; }
    bool IstGleich(TTerm* T) override { return T == this; }
    bool IstKleiner(TTerm*) override { return false; }
    TTerm* Ableitung() override { return Null; }
    std::unique_ptr<TFolie> Folie(Single) override { return nullptr; }
};

// A term that answers as told, where an operand's own answer is to be fixed: its value is 5; zeros and
// equations give the preset solutions with the preset status and record the right-hand sides asked for.
class TAttrappe : public TTTerm {
public:
    explicit TAttrappe(const std::string& name = "u", std::vector<Int64> loesungen = {},
                       uint8_t status = wahr)
        : Loesungen(std::move(loesungen)), Status(status) {
        Kennung = Text = name;
        Typrang = RangStandard;
        Knotenzahl = 1;
    }
    std::vector<Int64> Loesungen;
    uint8_t Status;
    std::vector<TTerm*> RechteSeiten;

    Extended Wert(Extended, bool& d) override { return d = true, 5; }
    TTerm* Einsetzen(TTerm*) override { return this; }
    bool IstGleich(TTerm* T) override { return T == this; }
    bool IstKleiner(TTerm*) override { return false; }
    TTerm* Ableitung() override { return Null; }
    std::unique_ptr<TFolie> Folie(Single) override { return nullptr; }
    void Nullstellen(TMenge*, TSListe*& Liste, bool, uint8_t& status) override { Loese(Liste, status); }
    void LoeseGleichung(TTerm* C, TMenge*, bool, uint8_t& status, TSListe*& Liste) override {
        RechteSeiten.push_back(C);
        Loese(Liste, status);
    }
    void BestimmeDefinitionsbereich(TMenge*& Menge, uint8_t& status, bool) override {
        Menge = MengeR;
        status = wahr;
    }

private:
    void Loese(TSListe*& Liste, uint8_t& status) {
        Liste = NeueLeereListe();
        for (Int64 l : Loesungen) Liste->FuegeHinzu(RationaleKonstante(TBruch{l, 1}), 1);
        status = Status;
    }
};

} // namespace zol
