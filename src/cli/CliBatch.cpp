#include "cli/CliBatch.h"

#include <map>
#include <sys/stat.h>

int forEachFile(const Arguments& Files, const std::function<void(const std::string& File)>& Work) {
    int status = 0;
    std::map<std::string, const std::string*> taken;
    for (const std::string& file : Files) {
        try {
            const auto [at, fresh] = taken.emplace(baseName(file), &file);
            if (!fresh)
                throw CliError(file + ": its pictures would replace those of " + *at->second +
                               ", which has the same name");
            Work(file);
        } catch (const std::exception& e) {
            printError(e.what());
            status = 1;
        }
    }
    return status;
}

bool isFolder(const std::string& Path) {
    struct stat st;
    return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
