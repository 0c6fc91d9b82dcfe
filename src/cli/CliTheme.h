#pragma once

#include "cli/CliCommon.h"

// brisel-cli theme OUTDIR --name NAME ... ROLE=FILE... | --inf install.inf
int runTheme(const Arguments& Args);
// brisel-cli theme-import THEMEDIR OUTDIR
int runThemeImport(const Arguments& Args);
