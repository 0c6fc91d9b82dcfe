#include "cli/CliBatch.h"

#include <map>
#include <sys/stat.h>

int forEachFile(const Arguments& Files, const std::function<void(const std::string& File)>& Work) {
    const std::size_t n = Files.size();
    std::vector<std::string> errors(n);
    std::map<std::string, const std::string*> taken;
    std::vector<int> todo;
    for (std::size_t i = 0; i < n; ++i) {
        const auto [at, fresh] = taken.emplace(baseName(Files[i]), &Files[i]);
        if (fresh)
            todo.push_back(int(i));
        else
            errors[i] = Files[i] + ": its pictures would replace those of " + *at->second +
                        ", which has the same name";
    }
    // Files are independent: they share the processors, and each file's own
    // images may still be spread over threads when they are large. Every
    // file is counted as a picture's worth of pixels, so a handful of small
    // files stays on one thread.
    forEachParallel(int(todo.size()), todo.size() * (ParallelPixels / 8), [&](int k) {
        const std::size_t i = std::size_t(todo[std::size_t(k)]);
        try {
            Work(Files[i]);
        } catch (const std::exception& e) {
            errors[i] = e.what();
        }
    });
    int status = 0;
    for (const std::string& e : errors)
        if (!e.empty()) {
            printError(e);
            status = 1;
        }
    return status;
}

bool isFolder(const std::string& Path) {
    struct stat st;
    return ::stat(Path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
