#pragma once
// The pixel engine in one include.
#include "pixel/TBitmap32.h"
#include "pixel/TColor32.h"
