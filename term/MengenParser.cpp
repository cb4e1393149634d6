// The set parser. Each level of the text is split at its operators of lowest precedence outside brackets;
// a chain of equal operators is folded from the left in a loop, so the depth of the work follows only the
// nesting of brackets, which is bounded before anything is read.
#include "term/MengenParser.h"

#include <vector>

#include "algebra/Vereinfachung.h"
#include "term/Fehler.h"
#include "term/Mengen.h"
#include "term/TermParser.h"
#include "term/Terme.h"

namespace zol {

namespace {

std::string Praefix(const std::string& s) {
    return "Menge: " + s + " syntaktisch nicht OK" + "\n\r";
}

// The scan of one level: the positions of the operators at depth 0 and whether the brackets match.
// "(" and "{" open, ")" and "}" close; square brackets open and close in turn, whichever way they face.
struct TEbene {
    std::vector<size_t> Differenzen, Vereinigungen, Schnitte;
    Int32 MaxTiefe = 0;
};

TEbene Durchsuche(const std::string& s) {
    TEbene e;
    Int32 d = 0;
    Int32 t = 1;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '(' || c == '{') {
            ++d;
        } else if (c == ')' || c == '}') {
            --d;
        } else if (c == '[' || c == ']') {
            d += t;
            t = -t;
        } else if (d == 0) {
            if (c == '\\') e.Differenzen.push_back(i);
            if (c == 'v') e.Vereinigungen.push_back(i);
            if (c == 'n') e.Schnitte.push_back(i);
        }
        if (d < 0 || (d > 0 && i + 1 == s.size())) throw ETermFehler(Praefix(s) + "Klammerung ungültig.");
        if (d > e.MaxTiefe) e.MaxTiefe = d;
    }
    return e;
}

// A constant element or bound is simplified, so that 1/2 as written is the number 1/2 that membership and
// the set operations compare with (they decide ties structurally).
TTerm* Vereinfacht(TTerm* T) {
    if (T != nullptr && T->IstKonstant) VereinfacheKonstantenTerm(T);
    return T;
}

TTerm* Randterm(const std::string& s, const std::string& teil) {
    TTerm* T = Vereinfacht(TermAusString(teil));
    if (T == nullptr) throw ETermFehler(Praefix(s) + "nicht identifizierbarer Randpunkt eines Intervalls.");
    return T;
}

TMenge* LiesMenge(const std::string& s);

// The text without operators at depth 0: a standard set, a brace list, an interval or a bracketed set.
TMenge* LiesEinfacheMenge(const std::string& s) {
    if (s.size() == 1) {
        if (s == "N" || s == "Q" || s == "R" || s == "Z") return Neu<TStandardMenge>(s);
        throw ETermFehler(Praefix(s) + "unbekannte Standardmenge.");
    }
    const char erstes = s.front();
    const char letztes = s.back();
    if (erstes == '{' && letztes == '}') {
        auto* liste = NeueLeereListe();
        const std::string innen = s.substr(1, s.size() - 2);
        size_t anfang = 0;
        while (true) {
            const size_t ende = innen.find(';', anfang);
            const std::string teil =
                innen.substr(anfang, ende == std::string::npos ? std::string::npos : ende - anfang);
            if (liste->Anzahl >= MaxMengenElemente) throw ETermFehler(Praefix(s) + "mehr als 20 Elemente.");
            TTerm* T = Vereinfacht(TermAusString(teil));
            if (T == nullptr) throw ETermFehler(Praefix(s) + "nicht identifizierbares Element.");
            ++liste->Anzahl;
            liste->Stellen[liste->Anzahl] = Neu<TStelle>(T, 1);
            if (ende == std::string::npos) break;
            anfang = ende + 1;
        }
        return liste;
    }
    if ((erstes == '[' || erstes == ']') && (letztes == '[' || letztes == ']')) {
        const std::string innen = s.substr(1, s.size() - 2);
        const size_t trenner = innen.find(';');
        if (trenner == std::string::npos) throw ETermFehler(Praefix(s));
        const std::string unten = innen.substr(0, trenner);
        const std::string oben = innen.substr(trenner + 1);
        TRand links = UnendlichRand;
        TRand rechts = UnendlichRand;
        if (!unten.empty()) links = TRand{Randterm(s, unten), erstes == ']'};
        if (!oben.empty()) rechts = TRand{Randterm(s, oben), letztes == '['};
        return Neu<TIntervall>(links, rechts);
    }
    if (erstes == '(' && letztes == ')') return LiesMenge(s.substr(1, s.size() - 2));
    throw ETermFehler(Praefix(s));
}

TMenge* LiesMenge(const std::string& s) {
    if (s.empty()) throw ETermFehler("Mengen-Angabe fehlt.");
    const TEbene e = Durchsuche(s);
    char op = 0;
    const std::vector<size_t>* stellen = nullptr;
    if (!e.Differenzen.empty()) {
        op = '\\';
        stellen = &e.Differenzen;
    } else if (!e.Vereinigungen.empty()) {
        op = 'v';
        stellen = &e.Vereinigungen;
    } else if (!e.Schnitte.empty()) {
        op = 'n';
        stellen = &e.Schnitte;
    }
    if (op == 0) return LiesEinfacheMenge(s);
    // a op b op c is (a op b) op c: the pieces between the operators are read in turn and folded.
    TMenge* M = LiesMenge(s.substr(0, stellen->front()));
    for (size_t k = 0; k < stellen->size(); ++k) {
        const size_t von = (*stellen)[k] + 1;
        const size_t bis = k + 1 < stellen->size() ? (*stellen)[k + 1] : s.size();
        M = Neu<TOperatorMenge>(M, op, LiesMenge(s.substr(von, bis - von)));
    }
    return M;
}

} // namespace

TMenge* StrToMenge(const std::string& s) {
    std::string ohne;
    ohne.reserve(s.size());
    for (char c : s)
        if (c != ' ') ohne += c;
    if (ohne.empty()) throw ETermFehler("Mengen-Angabe fehlt.");
    if (ohne.size() > MaxTermlaenge) throw ETermFehler(Praefix(ohne) + "Klammerung ungültig.");
    // The bracket depth is bounded before any level is read, so the recursion over brackets stays shallow.
    if (Durchsuche(ohne).MaxTiefe > MaxKlammertiefe)
        throw ETermFehler(Praefix(ohne) + "Klammerung ungültig.");
    return LiesMenge(ohne);
}

} // namespace zol
