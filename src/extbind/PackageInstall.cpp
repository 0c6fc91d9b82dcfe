#include "extbind/PackageInstall.h"

#include "extbind/AtomicFile.h"

#include <fstream>
#include <optional>
#include <system_error>

namespace {

std::optional<std::string> readFile(const std::filesystem::path& File) {
    std::ifstream in(File, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

bool installPackage(const MimeDatabase& Database, const MimePackage& Package, std::string& Error) {
    std::error_code code;
    std::filesystem::create_directories(Database.packagesFolder(), code);
    if (code) {
        Error = "cannot create " + Database.packagesFolder().string() + ": " + code.message();
        return false;
    }
    const std::filesystem::path file = Database.packagesFolder() / Package.fileName();
    const std::optional<std::string> previous =
        std::filesystem::is_regular_file(file, code) ? readFile(file) : std::nullopt;
    if (!AtomicFile(file).write(Package.xml(), Error)) {
        Error = "cannot write " + file.string() + ": " + Error;
        return false;
    }
    if (!MimeDatabase::canRefresh()) return true;

    std::string failure;
    if (Database.refresh(failure)) {
        if (Database.mapsGlob(Package.glob(), Package.type())) return true;
        failure = "update-mime-database left out " + file.string();
    }
    std::string ignored;
    if (previous)
        AtomicFile(file).write(*previous, ignored);
    else
        std::filesystem::remove(file, code);
    Database.refresh(ignored);
    Error = failure + (previous ? "; the earlier association is back" : "; nothing was recorded");
    return false;
}
