#pragma once

#include "document/file/AniFile.h"
#include "document/file/Transparency.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Reads an animated cursor held in memory: the chunks as PlanAniFile reads
// them, then every frame with the icon reader (IconReader.h). A frame that is
// an icon file gets hot spots (0, 0); a bare bitmap frame (the header's icon
// flag clear) is read as one 32-bit image when it starts with a bitmap
// header. A file that cannot be read throws IconCodecError "<FileName> is not
// an animated cursor. <reason>", a damaged frame naming the frame; nothing is
// allocated that the file and the caps of AniFile do not allow.
AniContents DecodeAniFile(const std::uint8_t* Data, std::size_t Size, const std::string& FileName,
                          const TransparencySettings& Settings);
