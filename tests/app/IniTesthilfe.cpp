#include "tests/app/IniTesthilfe.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace zol::testhilfe {

namespace fs = std::filesystem;

std::string LiesDatei(const fs::path& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

void SchreibeDatei(const fs::path& pfad, const std::string& inhalt) {
    std::ofstream datei(pfad, std::ios::binary | std::ios::trunc);
    datei << inhalt;
}

TIniUmgebung::TIniUmgebung(const fs::path& pfad) {
    if (const char* alt = std::getenv("ZOL08_INI")) {
        HatteWert = true;
        AlterWert = alt;
    }
    setenv("ZOL08_INI", pfad.c_str(), 1);
}

TIniUmgebung::~TIniUmgebung() {
    if (HatteWert)
        setenv("ZOL08_INI", AlterWert.c_str(), 1);
    else
        unsetenv("ZOL08_INI");
}

} // namespace zol::testhilfe
