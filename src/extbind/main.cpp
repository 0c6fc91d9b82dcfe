// extbind EXTENSION VALUE
//
// Records in the user's shared MIME database that files *.EXTENSION are of
// the type VALUE names, replacing what an earlier run recorded for the same
// extension. Silent, status 0, when it worked or there is nothing to do (a
// missing or empty VALUE); one line on stderr and status 1 when it could not.
#include "extbind/AtomicFile.h"
#include "extbind/MimeDatabase.h"
#include "extbind/MimePackage.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

namespace {

int fail(const std::string &message)
{
    std::cerr << "extbind: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3 || argv[2][0] == '\0')
        return 0;

    std::string error;
    const auto package = MimePackage::make(argv[1], argv[2], error);
    if (!package)
        return fail(error);

    const std::filesystem::path folder = MimeDatabase::userFolder();
    if (folder.empty())
        return fail("cannot find the user's data folder: neither XDG_DATA_HOME nor HOME is set");
    const MimeDatabase database(folder);

    std::error_code code;
    std::filesystem::create_directories(database.packagesFolder(), code);
    if (code)
        return fail("cannot create " + database.packagesFolder().string() + ": " + code.message());

    const std::filesystem::path file = database.packagesFolder() / package->fileName();
    if (!AtomicFile(file).write(package->xml(), error))
        return fail("cannot write " + file.string() + ": " + error);

    if (!database.refresh(error))
        return fail(error);
    return 0;
}
