// Helpers of the INI and step-window tests: a private temporary folder and whole-file reads and writes.
#pragma once

#include <QTemporaryDir>

#include <filesystem>
#include <string>

namespace zol::testhilfe {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TTempOrdner {
public:
    std::filesystem::path Pfad() const { return Ordner.path().toStdString(); }

private:
    QTemporaryDir Ordner;
};

std::string LiesDatei(const std::filesystem::path& pfad);
void SchreibeDatei(const std::filesystem::path& pfad, const std::string& inhalt);

// Sets ZOL08_INI for the lifetime of the object and restores the previous value afterwards.
class TIniUmgebung {
public:
    explicit TIniUmgebung(const std::filesystem::path& pfad);
    ~TIniUmgebung();
    TIniUmgebung(const TIniUmgebung&) = delete;
    TIniUmgebung& operator=(const TIniUmgebung&) = delete;

private:
    bool HatteWert = false;
    std::string AlterWert;
};

} // namespace zol::testhilfe
