#pragma once

// brisel-cli info FILE...: one line per image on standard output; a file that
// cannot be listed gets one line on standard error and makes the status 1.
int runInfo(int Count, char** Files);
