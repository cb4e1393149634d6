#include "app/IniDatei.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "plattform/Oberflaeche.h"
#include "plattform/Textdatei.h"

namespace zol {

namespace fs = std::filesystem;

namespace {

bool IstLeerzeichen(char c) {
    return c == ' ' || c == '\t';
}

std::string Beschnitten(std::string_view s) {
    size_t a = 0, e = s.size();
    while (a < e && IstLeerzeichen(s[a])) ++a;
    while (e > a && IstLeerzeichen(s[e - 1])) --e;
    return std::string(s.substr(a, e - a));
}

char Klein(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool GleichOhneFall(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Klein(a[i]) != Klein(b[i])) return false;
    return true;
}

enum class TZeilenart { Sonstige, Abschnitt, Schluessel };

struct TZeile {
    TZeilenart Art = TZeilenart::Sonstige;
    std::string Name;
    std::string Wert;
};

TZeile Zerlege(const std::string& zeile) {
    TZeile z;
    size_t i = 0;
    while (i < zeile.size() && IstLeerzeichen(zeile[i])) ++i;
    if (i == zeile.size() || zeile[i] == ';') return z;
    if (zeile[i] == '[') {
        size_t ende = zeile.find(']', i + 1);
        z.Art = TZeilenart::Abschnitt;
        z.Name = Beschnitten(std::string_view(zeile).substr(
            i + 1, ende == std::string::npos ? std::string::npos : ende - i - 1));
        return z;
    }
    size_t gleich = zeile.find('=');
    if (gleich == std::string::npos) return z;
    z.Art = TZeilenart::Schluessel;
    z.Name = Beschnitten(std::string_view(zeile).substr(0, gleich));
    z.Wert = Beschnitten(std::string_view(zeile).substr(gleich + 1));
    return z;
}

bool IstLeereZeile(const std::string& zeile) {
    return Beschnitten(zeile).empty();
}

std::optional<Int32> ZahlAusText(const std::string& text) {
    std::string s = Beschnitten(text);
    size_t i = 0;
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    Int64 wert = 0;
    if (i < s.size() &&
        (s[i] == '$' || (s[i] == '0' && i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X')))) {
        i += s[i] == '$' ? 1 : 2;
        if (i == s.size() || s.size() - i > 8) return std::nullopt;
        for (; i < s.size(); ++i) {
            char c = Klein(s[i]);
            int ziffer = (c >= '0' && c <= '9') ? c - '0' : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
            if (ziffer < 0) return std::nullopt;
            wert = wert * 16 + ziffer;
        }
        // Eight hexadecimal digits are the 32 bits of the number, as in "$FFFFFFFF" for -1.
        Int32 bits = Int32(uint32_t(wert));
        if (!negativ) return bits;
        if (bits == INT32_MIN) return std::nullopt;
        return -bits;
    }
    if (i == s.size()) return std::nullopt;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        wert = wert * 10 + (s[i] - '0');
        if (wert > Int64(INT32_MAX) + 1) return std::nullopt;
    }
    if (negativ) wert = -wert;
    if (wert > INT32_MAX) return std::nullopt;
    return Int32(wert);
}

std::string Systemgrund(int fehlernummer) {
    switch (fehlernummer) {
    case EACCES:
    case EPERM:
        return "Keine Schreibberechtigung.";
    case EROFS:
        return "Das Dateisystem ist schreibgeschützt.";
    case ENOSPC:
        return "Kein Platz mehr auf dem Datenträger.";
    case EISDIR:
        return "An dieser Stelle liegt ein Ordner.";
    case ENOENT:
    case ENOTDIR:
        return "Der Ordner existiert nicht.";
    default:
        return std::strerror(fehlernummer);
    }
}

} // namespace

TIniDatei::TIniDatei(fs::path pfad) : DateiPfad(std::move(pfad)) {
    std::error_code ec;
    fs::file_status status = fs::status(DateiPfad, ec);
    if (status.type() == fs::file_type::not_found) return;
    if (ec || status.type() != fs::file_type::regular) {
        Lesefehler = true;
        LesefehlerText = ec ? Systemgrund(ec.value()) : "An dieser Stelle liegt keine Datei.";
        return;
    }
    std::ifstream datei(DateiPfad, std::ios::binary);
    std::ostringstream inhalt;
    if (datei) inhalt << datei.rdbuf();
    if (!datei || datei.bad()) {
        Lesefehler = true;
        LesefehlerText = "Die Datei konnte nicht gelesen werden.";
        return;
    }
    std::string text = TextAlsUtf8(inhalt.str());
    std::string zeile;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            Zeilen.push_back(zeile);
            zeile.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            zeile += c;
        }
    }
    if (!zeile.empty()) Zeilen.push_back(zeile);
}

long TIniDatei::SucheAbschnitt(const std::string& abschnitt) const {
    for (size_t i = 0; i < Zeilen.size(); ++i) {
        TZeile z = Zerlege(Zeilen[i]);
        if (z.Art == TZeilenart::Abschnitt && GleichOhneFall(z.Name, abschnitt)) return long(i);
    }
    return -1;
}

long TIniDatei::SucheSchluessel(long kopf, const std::string& schluessel) const {
    for (size_t i = size_t(kopf) + 1; i < Zeilen.size(); ++i) {
        TZeile z = Zerlege(Zeilen[i]);
        if (z.Art == TZeilenart::Abschnitt) break;
        if (z.Art == TZeilenart::Schluessel && GleichOhneFall(z.Name, schluessel)) return long(i);
    }
    return -1;
}

bool TIniDatei::HatSchluessel(const std::string& abschnitt, const std::string& schluessel) const {
    long kopf = SucheAbschnitt(abschnitt);
    return kopf >= 0 && SucheSchluessel(kopf, schluessel) >= 0;
}

std::string TIniDatei::LiesString(const std::string& abschnitt, const std::string& schluessel,
                                  const std::string& vorgabe) const {
    long kopf = SucheAbschnitt(abschnitt);
    if (kopf < 0) return vorgabe;
    long zeile = SucheSchluessel(kopf, schluessel);
    if (zeile < 0) return vorgabe;
    return Zerlege(Zeilen[size_t(zeile)]).Wert;
}

Int32 TIniDatei::LiesInteger(const std::string& abschnitt, const std::string& schluessel,
                             Int32 vorgabe) const {
    if (!HatSchluessel(abschnitt, schluessel)) return vorgabe;
    return ZahlAusText(LiesString(abschnitt, schluessel, "")).value_or(vorgabe);
}

void TIniDatei::SchreibeString(const std::string& abschnitt, const std::string& schluessel,
                               const std::string& wert) {
    std::string zeile = schluessel + "=";
    for (char c : wert)
        if (c != '\r' && c != '\n') zeile += c;
    long kopf = SucheAbschnitt(abschnitt);
    if (kopf < 0) {
        if (!Zeilen.empty() && !IstLeereZeile(Zeilen.back())) Zeilen.push_back("");
        Zeilen.push_back("[" + abschnitt + "]");
        Zeilen.push_back(zeile);
        return;
    }
    long vorhanden = SucheSchluessel(kopf, schluessel);
    if (vorhanden >= 0) {
        Zeilen[size_t(vorhanden)] = zeile;
        return;
    }
    // A new key goes after the last non-blank line of its section.
    size_t letzte = size_t(kopf);
    for (size_t i = size_t(kopf) + 1; i < Zeilen.size(); ++i) {
        if (Zerlege(Zeilen[i]).Art == TZeilenart::Abschnitt) break;
        if (!IstLeereZeile(Zeilen[i])) letzte = i;
    }
    Zeilen.insert(Zeilen.begin() + long(letzte) + 1, zeile);
}

void TIniDatei::SchreibeInteger(const std::string& abschnitt, const std::string& schluessel, Int32 wert) {
    SchreibeString(abschnitt, schluessel, std::to_string(wert));
}

std::string TIniDatei::Text() const {
    std::string text;
    for (const std::string& zeile : Zeilen) text += zeile + "\n";
    return text;
}

bool TIniDatei::Speichere(std::string& fehler) const {
    if (Lesefehler) {
        fehler = LesefehlerText;
        return false;
    }
    std::error_code ec;
    // A link is followed, so the file it names is replaced and the link stays.
    fs::path ziel = DateiPfad;
    if (fs::is_symlink(DateiPfad, ec)) {
        fs::path kanonisch = fs::weakly_canonical(DateiPfad, ec);
        if (!ec) ziel = kanonisch;
    }
    fs::path ordner = ziel.parent_path();
    if (ordner.empty()) ordner = ".";
    if (!fs::exists(ordner, ec)) {
        fs::create_directories(ordner, ec);
        if (ec) {
            fehler = Systemgrund(ec.value());
            return false;
        }
    }
    std::string vorlage = (ordner / (ziel.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(vorlage.begin(), vorlage.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0) {
        fehler = Systemgrund(errno);
        return false;
    }
    auto scheitern = [&](int nummer) {
        fehler = Systemgrund(nummer);
        if (fd >= 0) close(fd);
        unlink(name.data());
        return false;
    };
    struct stat alt {};
    mode_t modus = stat(ziel.c_str(), &alt) == 0 ? (alt.st_mode & 07777) : 0644;
    if (fchmod(fd, modus) != 0) return scheitern(errno);
    std::string text = Text();
    size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        ssize_t n = write(fd, text.data() + geschrieben, text.size() - geschrieben);
        if (n < 0) {
            if (errno == EINTR) continue;
            return scheitern(errno);
        }
        geschrieben += size_t(n);
    }
    if (fsync(fd) != 0) return scheitern(errno);
    int ergebnis = close(fd);
    fd = -1;
    if (ergebnis != 0) return scheitern(errno);
    if (rename(name.data(), ziel.c_str()) != 0) return scheitern(errno);
    return true;
}

Int32 LiesAuswahl(const TIniDatei& ini, const std::string& abschnitt, const std::string& schluessel,
                  Int32 anzahl) {
    Int32 wert = ini.LiesInteger(abschnitt, schluessel, 0);
    return (wert >= 0 && wert < anzahl) ? wert : 0;
}

fs::path IniDateiPfad(const fs::path& programm, const fs::path& konfigurationsordner, const char* umgebung) {
    if (umgebung != nullptr && *umgebung != '\0') return fs::path(umgebung);
    fs::path name = programm.filename();
    if (name.empty()) name = "zol08";
    name.replace_extension(".INI");
    fs::path ordner = programm.parent_path();
    if (!programm.empty() && !ordner.empty() && access(ordner.c_str(), W_OK) == 0) return ordner / name;
    return konfigurationsordner / name;
}

fs::path IniDateiPfad() {
    fs::path programm;
    if (QCoreApplication::instance() != nullptr)
        programm = fs::path(QCoreApplication::applicationFilePath().toStdString());
    fs::path konfiguration(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString());
    return IniDateiPfad(programm, konfiguration, std::getenv("ZOL08_INI"));
}

bool IniDateiSpeichern(const TIniDatei& ini) {
    std::string fehler;
    bool gespeichert = false;
    try {
        gespeichert = ini.Speichere(fehler);
    } catch (const std::exception& e) {
        fehler = e.what();
    } catch (...) {
        fehler = "Unbekannter Fehler.";
    }
    if (!gespeichert)
        Oberflaeche().Meldung(TMeldungsart::Warnung, "Die Einstellungen konnten nicht gespeichert werden:\n" +
                                                         ini.Pfad().string() + "\n" + fehler);
    return gespeichert;
}

} // namespace zol
