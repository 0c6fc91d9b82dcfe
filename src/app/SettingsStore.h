#pragma once

#include "session/ProgramSettings.h"

#include <QSettings>
#include <memory>

// The per-user settings store of Brisel: organisation "Tavro", application
// "Brisel 1". Values are read once at start-up and written once at an orderly
// shutdown, in the same order.
std::unique_ptr<QSettings> openSettingsStore();

// A value that is missing or unreadable keeps its first-run default.
ProgramSettings readSettings(QSettings& Store);
// Writes every value; the recent files are kept by their own list.
void writeSettings(QSettings& Store, const ProgramSettings& S);
