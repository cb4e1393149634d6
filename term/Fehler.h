// The exception classes of the system. Every one carries a German UTF-8 message.
#pragma once

#include <exception>
#include <string>

namespace zol {

class EZolFehler : public std::exception {
public:
    explicit EZolFehler(std::string meldung) : Meldung(std::move(meldung)) {}
    const char* what() const noexcept override { return Meldung.c_str(); }
    std::string Meldung;
};

#define ZOL_FEHLERKLASSE(Name)                                                                               \
    class Name : public EZolFehler {                                                                         \
    public:                                                                                                  \
        using EZolFehler::EZolFehler;                                                                        \
    };

// An input or term error shown to the user.
ZOL_FEHLERKLASSE(ETermFehler)
// A step that cannot be carried out.
ZOL_FEHLERKLASSE(ETermGoToStart)
// A value that does not exist.
ZOL_FEHLERKLASSE(ENichtExistenz)
// A fixed limit exhausted (also arithmetic overflow).
ZOL_FEHLERKLASSE(ERessourcen)
// The user pressed "Abbrechen".
ZOL_FEHLERKLASSE(EBenutzerAbbruch)
// A self-test case failed.
ZOL_FEHLERKLASSE(ETestMisslungen)
// A number beyond the range of the exact arithmetic (64-bit fractions, radicals): "Überlauf in der
// Bruchrechnung.". Grund keeps that message, to which a caller may add a prefix in Meldung.
class EUeberlauf : public ERessourcen {
public:
    explicit EUeberlauf(const std::string& meldung) : ERessourcen(meldung), Grund(meldung) {}
    std::string Grund;
};
// A polynomial would exceed the degree limit of 20 ("Maximaler Grad von Polynomen überschritten.").
ZOL_FEHLERKLASSE(EGradUeberschritten)
// The work budget of a search is spent; the search that set the budget ends with the best it has found.
ZOL_FEHLERKLASSE(EBudgetErschoepft)

#undef ZOL_FEHLERKLASSE

// Runs one piece of work that fails on its own (an overflow, a limit, a term without value, a step that
// cannot be taken): false when it failed, so that the caller drops that piece. An abort and a spent budget
// end more than the piece and pass on.
template <class F> bool Versuche(F&& f) {
    try {
        f();
        return true;
    } catch (const EBenutzerAbbruch&) {
        throw;
    } catch (const EBudgetErschoepft&) {
        throw;
    } catch (const EZolFehler&) {
        return false;
    }
}

} // namespace zol
