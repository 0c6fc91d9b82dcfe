// extbind EXTENSION VALUE
//
// Records in the user's shared MIME database that files *.EXTENSION are of
// the type VALUE names, replacing what an earlier run recorded for the same
// extension and nothing else. Silent, status 0, when it worked or there is
// nothing to do (a missing or empty VALUE); one line on stderr and status 1
// when it could not, the database left as it was.
#include "extbind/KnownTypes.h"
#include "extbind/MimeDatabase.h"
#include "extbind/MimePackage.h"
#include "extbind/PackageInstall.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace {

int fail(const std::string& Message) {
    std::cerr << "extbind: " << Message << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argv[2][0] == '\0') return 0;

    std::string error;
    std::optional<MimePackage> package = MimePackage::make(argv[1], argv[2], error);
    if (!package) return fail(error);

    const std::filesystem::path folder = MimeDatabase::userFolder();
    if (folder.empty())
        return fail("cannot find the user's data folder: neither XDG_DATA_HOME nor HOME is set");
    const MimeDatabase database(folder);

    // A type some database already describes keeps its description and its
    // other globs: the package only adds the glob.
    const KnownTypes known = KnownTypes::read(database.packagesFolder(), package->fileName());
    if (const std::optional<std::string> type = known.canonical(package->type()))
        package = package->onlyGlobFor(*type);

    if (!installPackage(database, *package, error)) return fail(error);
    return 0;
}
