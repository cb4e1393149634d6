#include "term/Wertprogramm.h"

#include <algorithm>
#include <limits>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "term/Funktionen.h"
#include "term/Terme.h"
#include "term/Wurzeln.h"

namespace zol {

TStandardArt StandardArt(const std::string& Name) {
    static const std::pair<const char*, TStandardArt> arten[] = {
        {"abs", TStandardArt::Abs},       {"sin", TStandardArt::Sin},       {"cos", TStandardArt::Cos},
        {"tan", TStandardArt::Tan},       {"cot", TStandardArt::Cot},       {"exp", TStandardArt::Exp},
        {"ln", TStandardArt::Ln},         {"sqrt", TStandardArt::Sqrt},     {"arcsin", TStandardArt::Arcsin},
        {"arccos", TStandardArt::Arccos}, {"arctan", TStandardArt::Arctan},
    };
    for (const auto& [name, art] : arten)
        if (Name == name) return art;
    return TStandardArt::Unbekannt;
}

// Builds the operations of one program (the whole term, or a branch of a piecewise term) into its own list;
// each distinct subterm once.
class TWertprogramm::TUebersetzer {
public:
    explicit TUebersetzer(std::vector<std::vector<TBefehl>>& programme) : Programme(programme) {}

    // The index of the program for T.
    Int32 Programm(TTerm* T) {
        const Int32 p = Int32(Programme.size());
        Programme.emplace_back();
        TUebersetzer innen(Programme);
        innen.Nummer = p;
        innen.Knoten(T);
        return p;
    }

private:
    std::vector<TBefehl>& Liste() { return Programme[size_t(Nummer)]; }

    Int32 Gib(TBefehl b) {
        Liste().push_back(b);
        return Int32(Liste().size()) - 1;
    }

    // A subterm that contains no x has one value everywhere: the tree's own.
    static bool OhneX(TTerm* T, std::unordered_map<TTerm*, bool>& gesehen) {
        if (!T) return false;
        if (auto it = gesehen.find(T); it != gesehen.end()) return it->second;
        bool ohne = false;
        if (dynamic_cast<TKonstante*>(T)) {
            ohne = true;
        } else if (auto* o = dynamic_cast<TOperatorTerm*>(T)) {
            ohne = OhneX(o->T1, gesehen) && OhneX(o->T2, gesehen);
        } else if (auto* s = dynamic_cast<TStandardFunktion*>(T)) {
            // An unknown name reports itself at each evaluation: it stays a node of its own.
            ohne = StandardArt(s->Kennung) != TStandardArt::Unbekannt && OhneX(s->Argument, gesehen);
        } else if (dynamic_cast<TPotenz*>(T) || dynamic_cast<TWurzel*>(T) ||
                   dynamic_cast<TAllgemeineExponentialFunktion*>(T)) {
            ohne = OhneX(static_cast<TFunktion*>(T)->Argument, gesehen);
        }
        gesehen[T] = ohne;
        return ohne;
    }

    Int32 Knoten(TTerm* T) {
        if (auto it = Fertig.find(T); it != Fertig.end()) return it->second;
        const Int32 r = Neuer(T);
        Fertig[T] = r;
        return r;
    }

    Int32 Neuer(TTerm* T) {
        TBefehl b;
        if (!T) return Gib(b);
        if (OhneX(T, Konstant)) {
            bool d = false;
            b.Zahl = T->Wert(0, d);
            b.Art = d ? TArt::Konstante : TArt::KeinWert;
            return Gib(b);
        }
        if (dynamic_cast<TVariable*>(T)) {
            b.Art = TArt::X;
        } else if (auto* o = dynamic_cast<TOperatorTerm*>(T); o && o->T1 && o->T2) {
            b.Art = TArt::Operator;
            b.Operator = o->Operator;
            b.A = Knoten(o->T1);
            b.B = Knoten(o->T2);
        } else if (auto* p = dynamic_cast<TPotenz*>(T); p && p->Argument) {
            b.Art = TArt::Potenz;
            b.Exponent = p->Exponent;
            b.A = Knoten(p->Argument);
        } else if (auto* w = dynamic_cast<TWurzel*>(T); w && w->Argument && w->Grad >= 1) {
            b.Art = TArt::Wurzel;
            b.Grad = w->Grad;
            b.A = Knoten(w->Argument);
        } else if (auto* e = dynamic_cast<TAllgemeineExponentialFunktion*>(T); e && e->Argument) {
            b.Art = TArt::Exponential;
            b.Zahl =
                std::log(static_cast<Extended>(e->Basis.Zaehler) / static_cast<Extended>(e->Basis.Nenner));
            b.A = Knoten(e->Argument);
        } else if (auto* s = dynamic_cast<TStandardFunktion*>(T);
                   s && s->Argument && StandardArt(s->Kennung) != TStandardArt::Unbekannt) {
            b.Art = TArt::Standard;
            b.Standard = StandardArt(s->Kennung);
            b.A = Knoten(s->Argument);
        } else if (auto* j = dynamic_cast<TJoin*>(T)) {
            b.Art = TArt::Join;
            b.A = Knoten(j->Bedingung);
            b.P1 = Programm(j->T1);
            b.P2 = Programm(j->T2);
            // Where the condition is 0 the value is the branches' common value at 0, if they have one.
            bool d1 = false, d2 = false;
            const Extended w1 = j->T1->Wert(0, d1), w2 = j->T2->Wert(0, d2);
            b.NullDefiniert = j->Stetig && d1 && d2 && std::isfinite(w1) && std::isfinite(w2) && w1 == w2;
            b.Zahl = w1;
        } else {
            b.Art = TArt::Baum;
            b.Knoten = T;
        }
        return Gib(b);
    }

    std::vector<std::vector<TBefehl>>& Programme;
    Int32 Nummer = 0;
    std::unordered_map<TTerm*, Int32> Fertig;
    std::unordered_map<TTerm*, bool> Konstant;
};

TWertprogramm::TWertprogramm(TTerm* T) {
    std::vector<std::vector<TBefehl>> programme;
    TUebersetzer(programme).Programm(T);
    // One list of operations; the operand registers move with their program.
    for (std::vector<TBefehl>& p : programme) {
        const Int32 anfang = Int32(Befehle.size());
        for (TBefehl& b : p) {
            if (b.Art == TArt::Operator || b.Art == TArt::Potenz || b.Art == TArt::Wurzel ||
                b.Art == TArt::Exponential || b.Art == TArt::Standard || b.Art == TArt::Join)
                b.A += anfang;
            if (b.Art == TArt::Operator) b.B += anfang;
            Befehle.push_back(b);
        }
        Programme.push_back({anfang, Int32(Befehle.size())});
    }
    for (const TBefehl& b : Befehle) NurBekannte = NurBekannte && b.Art != TArt::Baum;
}

Extended TWertprogramm::Wert(Extended x, bool& Definiert) {
    Extended w = 0;
    Definiert = Lauf(0, x, w);
    return Definiert ? w : 0;
}

void TWertprogramm::Werte(Extended a, Extended h, Int64 von, Int64 anzahl, Extended* werte) const {
    for (Int64 k = 0; k < anzahl; ++k) {
        Extended w = 0;
        const Extended x = a + static_cast<Extended>(von + k) * h;
        werte[k] = Lauf(0, x, w) && std::isfinite(w) ? w : std::numeric_limits<Extended>::quiet_NaN();
    }
}

TWertberechnung::TWertberechnung(TWertprogramm& p, Extended a, Extended h, Int64 Punkte) : P(p), A(a), H(h) {
    if (!P.NurBekannte) return;
    const Int64 helfer =
        std::min<Int64>({Int64(std::thread::hardware_concurrency()) - 1, 15, Punkte / Stueckgroesse});
    try {
        for (Int64 t = 0; t < helfer; ++t) Faeden.emplace_back([this] { Helfer(); });
    } catch (const std::system_error&) {
        // Fewer helpers: the calling thread takes what they would have done.
    }
}

TWertberechnung::~TWertberechnung() {
    {
        std::lock_guard<std::mutex> l(M);
        Ende = true;
    }
    Neu.notify_all();
    for (std::thread& f : Faeden) f.join();
}

void TWertberechnung::Helfer() {
    for (Int64 gesehen = 0;;) {
        {
            std::unique_lock<std::mutex> l(M);
            Neu.wait(l, [&] { return Ende || Auftrag != gesehen; });
            if (Ende) return;
            gesehen = Auftrag;
        }
        Arbeite(gesehen);
    }
}

void TWertberechnung::Starte(Int64 von, Int64 anzahl, Extended* werte) {
    {
        std::lock_guard<std::mutex> l(M);
        ++Auftrag;
        Von = von;
        Anzahl = std::max<Int64>(anzahl, 0);
        Ziel = werte;
        Stuecke = (Anzahl + Stueckgroesse - 1) / Stueckgroesse;
        Erledigt = 0;
        Naechstes = uint64_t(Auftrag) << 32;
    }
    Neu.notify_all();
}

void TWertberechnung::Arbeite(Int64 auftrag) {
    Int64 von = 0, anzahl = 0, stuecke = 0;
    Extended* ziel = nullptr;
    {
        std::lock_guard<std::mutex> l(M);
        if (auftrag != Auftrag) return;
        von = Von, anzahl = Anzahl, stuecke = Stuecke, ziel = Ziel;
    }
    const uint64_t marke = uint64_t(auftrag) << 32;
    for (;;) {
        uint64_t n = Naechstes.load();
        do {
            if ((n & ~uint64_t(0xffffffff)) != marke || Int64(n & 0xffffffff) >= stuecke) return;
        } while (!Naechstes.compare_exchange_weak(n, n + 1));
        const Int64 anfang = Int64(n & 0xffffffff) * Stueckgroesse;
        P.Werte(A, H, von + anfang, std::min(Stueckgroesse, anzahl - anfang), ziel + anfang);
        std::lock_guard<std::mutex> l(M);
        if (++Erledigt == stuecke) Fertig.notify_all();
    }
}

void TWertberechnung::Warte() {
    Int64 auftrag = 0;
    {
        std::lock_guard<std::mutex> l(M);
        auftrag = Auftrag;
    }
    Arbeite(auftrag);
    std::unique_lock<std::mutex> l(M);
    Fertig.wait(l, [&] { return Erledigt == Stuecke; });
}

// A node without a value leaves its parent without one, up to the program's end (a piecewise term takes
// only one branch, which is a program of its own): the first such node ends the run. The values stay in the
// floating-point registers from an operation to the next, as in the tree.
Extended TWertprogramm::Knotenwert(Int32 i, Extended x, bool& d) const {
    const TBefehl& c = Befehle[size_t(i)];
    Extended v = 0;
    switch (c.Art) {
    case TArt::Konstante:
        d = true;
        return c.Zahl;
    case TArt::KeinWert:
        d = false;
        return 0;
    case TArt::X:
        d = true;
        return x;
    case TArt::Operator: {
        const Extended a = Knotenwert(c.A, x, d);
        if (!d) return 0;
        const Extended b = Knotenwert(c.B, x, d);
        if (!d) return 0;
        switch (c.Operator) {
        case '+':
            d = OperatorWert('+', a, b, v);
            break;
        case '-':
            d = OperatorWert('-', a, b, v);
            break;
        case '*':
            d = OperatorWert('*', a, b, v);
            break;
        default:
            d = OperatorWert(c.Operator, a, b, v);
            break;
        }
        return v;
    }
    case TArt::Potenz: {
        const Extended a = Knotenwert(c.A, x, d);
        if (d) d = PotenzWert(a, c.Exponent, v);
        return v;
    }
    case TArt::Wurzel: {
        const Extended a = Knotenwert(c.A, x, d);
        if (d) d = WurzelWert(a, c.Grad, v);
        return v;
    }
    case TArt::Exponential: {
        const Extended a = Knotenwert(c.A, x, d);
        if (d) d = ExponentialWert(c.Zahl, a, v);
        return v;
    }
    case TArt::Standard: {
        const Extended a = Knotenwert(c.A, x, d);
        if (!d) return 0;
        switch (c.Standard) {
        case TStandardArt::Sin:
            d = StandardWert(TStandardArt::Sin, a, v);
            break;
        case TStandardArt::Cos:
            d = StandardWert(TStandardArt::Cos, a, v);
            break;
        case TStandardArt::Exp:
            d = StandardWert(TStandardArt::Exp, a, v);
            break;
        case TStandardArt::Ln:
            d = StandardWert(TStandardArt::Ln, a, v);
            break;
        default:
            d = StandardWert(c.Standard, a, v);
            break;
        }
        return v;
    }
    case TArt::Join: {
        const Extended bedingung = Knotenwert(c.A, x, d);
        if (!d || !std::isfinite(bedingung)) {
            d = false;
            return 0;
        }
        if (bedingung < 0) {
            d = Lauf(c.P1, bedingung, v);
        } else if (bedingung > 0) {
            d = Lauf(c.P2, bedingung, v);
        } else {
            d = c.NullDefiniert;
            v = c.Zahl;
        }
        return v;
    }
    case TArt::Baum:
        return c.Knoten->Wert(x, d);
    }
    d = false;
    return 0;
}

bool TWertprogramm::Lauf(Int32 p, Extended x, Extended& w) const {
    bool d = false;
    w = Knotenwert(Programme[size_t(p)].Ende - 1, x, d);
    return d;
}

} // namespace zol
