#pragma once

#include "document/IconFileReader.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

// The icon and cursor groups of a Windows program or library, as the editor
// offers them to choose from: each group's label, kind, sizes and a picture
// of its largest image, and the icon or cursor file the group makes.
struct ProgramGroup {
    QString Label; // the group's name or number
    std::uint16_t FileType = IconFile::TypeIcon;
    QString Sizes; // "16 x 16, 32 x 32"
    int ImageCount = 0;
    QByteArray File; // the group as an .ico or .cur file, images byte for byte
    QImage Picture;  // the largest image, at most 48 pixels each way; none when unreadable
};

// The side of the square a group's picture fits in.
constexpr int ProgramGroupPictureSide = 48;

// True when Bytes start like a Windows program (.exe, .dll, .icl, ...).
bool IsProgramFile(const QByteArray& Bytes);

// Every icon and cursor group of the program in Bytes. A damaged program
// throws IconFileError with one message naming FileName; a program without
// icons or cursors says so the same way.
std::vector<ProgramGroup> ReadProgramGroups(const QByteArray& Bytes, const QString& FileName,
                                            const TransparencySettings& Settings);

// The file filter patterns of programs and libraries, "*.exe;*.dll;...".
extern const char* const ProgramFilePatterns;
