#include "tests/app/IniTesthilfe.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace zol::testhilfe {

namespace fs = std::filesystem;

TTempOrdner::TTempOrdner() {
    std::string vorlage = (fs::temp_directory_path() / "zol08-test-XXXXXX").string();
    std::vector<char> name(vorlage.begin(), vorlage.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp");
    OrdnerPfad = name.data();
}

TTempOrdner::~TTempOrdner() {
    std::error_code ec;
    // Folders made read-only by a test must become writable again before they can be removed.
    for (auto it = fs::recursive_directory_iterator(OrdnerPfad, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_directory(ec))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(OrdnerPfad, ec);
}

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
