#pragma once
// The pixel engine in one include.
#include "TBitmap32.h"
#include "TColor32.h"
