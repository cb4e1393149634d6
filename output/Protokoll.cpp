#include "output/Protokoll.h"

#include "output/Ausgabe.h"
#include "plattform/Oberflaeche.h"

namespace zol {

bool ProtokollVereinfachung = false;
bool ProtokollNormalform = false;
bool ProtokollPolynom = false;
bool ProtokollKumuliere = false;
bool ProtokollIntegral = false;
bool ProtokollRadikal = false;
bool ProtokollArOp = false;
bool DebugNachrichten = false;

std::string DebugHost = "localhost";
uint16_t DebugPort = 5000;

Int64 Startzeit = 0;

std::string Balken(Int32 n) {
    static const std::string Voll = std::string(56, '|') + "!";
    if (n <= 0) return "";
    return Voll.substr(0, static_cast<size_t>(n));
}

void SendeDebugNachricht(const std::string& s) {
    // The host appends CR LF, opens one connection for the line and closes it; a failure is ignored.
    Oberflaeche().SendeZeile(DebugHost, DebugPort, s);
}

void StarteZeitmessung() {
    Startzeit = Oberflaeche().Millisekunden();
}

void SchreibeZeitmessung() {
    SchreibeZeile(" [" + std::to_string(Oberflaeche().Millisekunden() - Startzeit) + " ms]");
}

} // namespace zol
