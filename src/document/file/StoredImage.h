#pragma once

#include "document/file/IconRaster.h"
#include "document/file/Transparency.h"

// Whether Image's stored bytes (IconImageView::Stored) still are Image: they
// are of the kind it is written as (PNG picture or bitmap of its format) and
// read back, under Settings, as exactly its size, format, palette and pixels.
// Then the writer can put them back as they are, byte for byte.
bool StoredBytesStillHold(const IconImageView& Image, const TransparencySettings& Settings);
