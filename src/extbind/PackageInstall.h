#pragma once

#include "extbind/MimeDatabase.h"
#include "extbind/MimePackage.h"

#include <string>

// Puts a package in the user's database and compiles it. The database is
// never left worse than it was: when the compiler fails or leaves the new
// package out, the package it replaced (or none) goes back and the database
// is compiled again. False, with `Error` saying why in one line, when the
// package did not take.
bool installPackage(const MimeDatabase& Database, const MimePackage& Package, std::string& Error);
