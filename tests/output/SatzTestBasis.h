// Fixture of the typesetting and output tests: a test canvas, an empty term store, the output unit in its
// initial state; and a reading of a drawn folie as a line of text with its brackets.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "output/Ausgabe.h"
#include "term/TermManager.h"
#include "term/Terme.h"
#include "tests/output/FolienTestBasis.h"

namespace zol {

class SatzTest : public FolienTest {
protected:
    void SetUp() override {
        FolienTest::SetUp();
        InitialisiereAusgabe();
        Variablenbuchstabe = 'x';
        Stellen = 4;
        Einzug = 10;
        Seitenbreite = 977;
    }
    void TearDown() override {
        Variablenbuchstabe = 'x';
        Stellen = 4;
        Einzug = 10;
        Seitenbreite = 977;
        FolienTest::TearDown();
    }

    struct TStueck {
        Int32 x;
        std::string Text;
    };

    // What a reader sees of a one-line formula, left to right: the texts, with "^" before a text set
    // smaller than G (an exponent or index); round and square brackets as ( ) [ ]; vertical bars as |; a
    // root sign as √. Fraction bars are left out. Pieces that start at the same x keep drawing order.
    std::string Lesart(TFolie& F, Int32 G = 10) {
        ZeichneBei(F, 0, 100);
        std::vector<TStueck> stuecke;
        for (const auto& a : L.Aufrufe) {
            switch (a.Art) {
            case TAufrufart::Text:
                stuecke.push_back({a.Stift.x, (a.Schrift.Groesse < G ? "^" : "") + a.Text});
                break;
            case TAufrufart::Polylinie:
                if (a.Punkte.size() == 4) {
                    const bool oeffnend = a.Punkte[0].x > a.Punkte[1].x;
                    const bool eckig = a.Punkte[0].y == a.Punkte[1].y;
                    stuecke.push_back(
                        {a.Punkte[1].x, eckig ? (oeffnend ? "[" : "]") : (oeffnend ? "(" : ")")});
                } else if (a.Punkte.size() == 5) {
                    stuecke.push_back({a.Punkte[0].x, "√"});
                } else if (a.Punkte.size() == 7) {
                    stuecke.push_back({a.Punkte[1].x, "{"});
                }
                break;
            case TAufrufart::Linie:
                if (a.Punkte[0].x == a.Punkte[1].x) stuecke.push_back({a.Punkte[0].x, "|"});
                break;
            default:
                break;
            }
        }
        std::stable_sort(stuecke.begin(), stuecke.end(),
                         [](const TStueck& a, const TStueck& b) { return a.x < b.x; });
        std::string s;
        for (const auto& st : stuecke) s += st.Text;
        return s;
    }
};

inline TTerm* Name(const char* n) {
    return BenannteKonstante(n);
}

} // namespace zol
