// The generator of school requests that the benchmarks share.
#pragma once

#include <random>
#include <string>

#include "tests/hilfe/KopfloseAnfrage.h"

namespace zol {

// Requests as users of the program make them: school functions of every kind, with and without interval,
// g and comments, every step chosen; one in twenty a linear system. The generator's seed is fixed, and
// std::mt19937 gives the same numbers on every platform, so the set is the same on every run.
class TErzeuger {
public:
    explicit TErzeuger(uint32_t saat) : Zufall(saat) {}

    TAnfrage Anfrage() {
        TAnfrage a;
        a.Kommentare = Muenze(50);
        if (Muenze(5)) {
            a.LGS = true;
            const int m = Zahl(2, 4), n = Zahl(2, 4);
            for (int i = 0; i < m; ++i) {
                a.Matrix.emplace_back();
                for (int j = 0; j < n; ++j) a.Matrix.back().push_back(std::to_string(Zahl(-5, 5)));
                a.Rechts.push_back({std::to_string(Zahl(-9, 9))});
            }
            return a;
        }
        a.F = Funktion();
        if (Muenze(60)) {
            a.A = Muenze(20) ? "-pi" : std::to_string(-Zahl(0, 5));
            a.B = Muenze(20) ? "2pi" : std::to_string(Zahl(1, 6));
        }
        const char* weiten[] = {"1/2", "1", "1/4", "0,2"};
        a.H = weiten[Zahl(0, 3)];
        if (Muenze(40)) a.G = Polynom(Zahl(0, 2));
        a.Methode = Zahl(1, 3);
        if (Muenze(30)) a.Startwert = std::to_string(Zahl(-3, 3));
        a.AbleitungsGrad = Zahl(1, 3);
        for (int s = SchrittVereinfachen; s <= SchrittWendestellen; ++s) a.Schritte.push_back(TSchritt(s));
        const TSchritt seite7[] = {SchrittStammfunktion, SchrittIntegral, SchrittFlaeche};
        a.Schritte.push_back(seite7[Zahl(0, 2)]);
        a.Schritte.push_back(SchrittGraph);
        return a;
    }

    // A request of the school set: a function with its g and steps as Anfrage draws them (a linear system is
    // drawn again), on [-2; 2] with comments and the derivatives up to f'''.
    TAnfrage Schulanfrage() {
        TAnfrage a = Anfrage();
        while (a.LGS) a = Anfrage();
        a.A = "-2";
        a.B = "2";
        a.Kommentare = true;
        a.AbleitungsGrad = 3;
        return a;
    }

private:
    std::mt19937 Zufall;

    int Zahl(int von, int bis) { return von + int(Zufall() % uint32_t(bis - von + 1)); }
    bool Muenze(int prozent) { return Zahl(1, 100) <= prozent; }

    // A coefficient other than 0: an integer, a fraction or a decimal.
    std::string Koeffizient() {
        const int art = Zahl(1, 10);
        const std::string vz = Muenze(35) ? "-" : "";
        if (art <= 7) return vz + std::to_string(Zahl(1, 9));
        if (art <= 9) return vz + std::to_string(Zahl(1, 7)) + "/" + std::to_string(Zahl(2, 5));
        return vz + std::to_string(Zahl(0, 3)) + ",5";
    }
    // c*x^k written as a user does: 3x^2, -x, 1/2x^3, 7.
    std::string Glied(const std::string& c, int k) {
        if (k == 0) return c;
        const std::string x = k == 1 ? "x" : "x^" + std::to_string(k);
        if (c == "1") return x;
        if (c == "-1") return "-" + x;
        return c + x;
    }
    std::string Polynom(int grad) {
        std::string p = Glied(Koeffizient(), grad);
        for (int k = grad - 1; k >= 0; --k) {
            if (!Muenze(60)) continue;
            const std::string c = Koeffizient();
            p += (c[0] == '-' ? "" : "+") + Glied(c, k);
        }
        return p;
    }
    std::string Linear() { return "x" + std::string(Muenze(50) ? "-" : "+") + std::to_string(Zahl(1, 4)); }
    std::string Funktion() {
        switch (Zahl(0, 11)) {
        case 0:
            return Polynom(Zahl(1, 5));
        case 1:
            return "(" + Linear() + ")(" + Linear() + ")^" + std::to_string(Zahl(1, 3));
        case 2:
            return "(" + Polynom(Zahl(0, 3)) + ")/(" + Polynom(Zahl(1, 3)) + ")";
        case 3: {
            const std::string formen[] = {"(" + Polynom(Zahl(1, 2)) + ")e^(" + Koeffizient() + "x)",
                                          "e^(" + Polynom(Zahl(1, 2)) + ")",
                                          Koeffizient() + "e^x+" + std::to_string(Zahl(1, 5))};
            return formen[Zahl(0, 2)];
        }
        case 4: {
            const std::string formen[] = {"ln(" + Polynom(Zahl(1, 2)) + ")", "(" + Polynom(1) + ")ln(x)",
                                          "ln(x)/x"};
            return formen[Zahl(0, 2)];
        }
        case 5: {
            const std::string formen[] = {"sqrt(" + Polynom(Zahl(1, 2)) + ")", "(" + Polynom(1) + ")sqrt(x)",
                                          "(" + Polynom(Zahl(1, 2)) + ")°3"};
            return formen[Zahl(0, 2)];
        }
        case 6: {
            const std::string formen[] = {Koeffizient() + "sin(" + std::to_string(Zahl(1, 3)) + "x)+" +
                                              std::to_string(Zahl(0, 2)),
                                          "sin(x)cos(x)",
                                          "tan(x)",
                                          "x*sin(x)",
                                          "sin(x)^2",
                                          "cos(" + Linear() + ")"};
            return formen[Zahl(0, 5)];
        }
        case 7:
            return "abs(" + Polynom(Zahl(1, 3)) + ")";
        case 8: {
            const std::string formen[] = {Koeffizient() + "*2^x+" + std::to_string(Zahl(1, 5)), "3^(x-1)",
                                          "0,5^x"};
            return formen[Zahl(0, 2)];
        }
        case 9: {
            const std::string formen[] = {"x^2e^(-x)", "(e^x-1)/(e^x+1)", "x/ln(x)",
                                          "(" + Polynom(1) + ")/e^x"};
            return formen[Zahl(0, 3)];
        }
        case 10:
            return "(" + Polynom(Zahl(1, 2)) + ")^" + std::to_string(Zahl(2, 4));
        default: {
            const std::string formen[] = {"sqrt(x)/(" + Linear() + ")", "x*sqrt(4-x^2)",
                                          "1/(" + Polynom(Zahl(2, 4)) + ")"};
            return formen[Zahl(0, 2)];
        }
        }
    }
};

} // namespace zol
