#include "selftest/Testordner.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zol {

std::string Testordner() {
    if (const char* umgebung = std::getenv("ZOL08_TESTS"); umgebung && *umgebung) return umgebung;
    std::error_code fehler;
    const std::filesystem::path programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
    if (fehler) return "Tests";
    return (programm.parent_path() / "Tests").string();
}

std::string ImTestordner(const std::string& Name) {
    const std::filesystem::path name(Name);
    if (name.is_absolute()) return Name;
    return (std::filesystem::path(Testordner()) / name).string();
}

} // namespace zol
