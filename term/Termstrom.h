// The term stream: terms as byte records, written by each class's SchreibeInStream and read back by
// LiesTermAusStream.
//
// A term is written in pre-order. Every node starts with an 8-byte tag record: a short string of the kind
// tag (a length byte 0 to 6 and six character bytes) and the function-kind byte. The body follows, with
// little-endian integers: a rational constant its numerator and denominator (8 bytes each); an operator
// term its operator byte, T1, T2; a piecewise term its Stetig byte, T1, T2 (the condition is not written);
// a standard function its argument; a power its base, then the exponent's numerator and denominator (8
// bytes each); a root its radicand and its index (4 bytes); a general exponential its exponent, its base
// (8 + 8 bytes) and its exponent once more; a radical constant its 104-byte record. x, named and real
// constants have no body. A missing term is the bare tag record "nil".
#pragma once

#include <cstdint>
#include <string>

#include "term/Fehler.h"

namespace zol {

class TTerm;
class TStrom;
struct TRadikal;

// A failed write of a term record, with the message of the class whose part of the record failed. It
// passes through every enclosing record unchanged, so it is reported once.
class EStromSchreibfehler : public EZolFehler {
public:
    using EZolFehler::EZolFehler;
};

// Runs Schreibe; any failure in it becomes an EStromSchreibfehler with Meldung, unless it is one already.
template <class F> void SchreibeGeschuetzt(const std::string& Meldung, F&& Schreibe) {
    try {
        Schreibe();
    } catch (const EStromSchreibfehler&) {
        throw;
    } catch (const std::exception&) {
        throw EStromSchreibfehler(Meldung);
    }
}

// The message of a record that could not be written, for the base class.
std::string TermSchreibfehlerText(const std::string& Kennung);

// The mark at offset 6 of a real constant's tag record: its value is not in the stream, and the record
// reads as nil.
constexpr uint8_t ReelleKonstanteMarke = 0xFF;

// The tag record of Kennung (its first 6 characters) and Funktionsarten; Marke goes to offset 6 when
// Kennung leaves that byte free.
void SchreibeKennungssatz(TStrom& S, const std::string& Kennung, uint8_t Funktionsarten, uint8_t Marke = 0);
// The 104 bytes of a radical: its degree (4 bytes); 84 bytes that hold c0 ... c9 as pairs of 4-byte
// numerator and denominator when the degree is at most 9 and every coefficient fits, else zeros; the
// radicand (8 bytes), the index (4 bytes) and 4 bytes 0.
void SchreibeRadikalsatz(TStrom& S, const TRadikal& R);
// T's record, or the record "nil" for a missing T.
void SchreibeTermInStream(TTerm* T, TStrom& S);

// The term of the next record, or nil: for a tag "nil", a real constant, an unknown tag, a radical whose
// coefficients are not in the stream, a bad operator byte, an index below 1, a zero denominator, or a child
// read as nil; the record is read whole in every case, so the stream stays in step. A builder that fails
// shows the warning "TTerm mit Kennung:" + tag + " konnte nicht aus einen Stream gelesen werden" and gives
// nil. A short stream, a length byte above 6 or a nesting deeper than any term can be raise EZolFehler
// "Lesefehler im Datenstrom.". Nesting is read without recursion.
TTerm* LiesTermAusStream(TStrom& S);

} // namespace zol
