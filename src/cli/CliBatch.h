#pragma once

#include "cli/CliCommon.h"

#include <functional>
#include <string>

// Runs Work on every file of Files, in order. A file that fails gets its one
// line on standard error and the others are still done; the status is 1 when
// any failed. Files whose base names are equal would write the same names in
// one folder, so the later of them is refused rather than let it replace what
// the earlier one wrote.
int forEachFile(const Arguments& Files, const std::function<void(const std::string& File)>& Work);

// True when Path names an existing folder.
bool isFolder(const std::string& Path);
