#pragma once

#include "ScriptedPrompter.h"
#include "app/RecentDocuments.h"
#include "app/RecentFiles.h"
#include "document/IconFileWriter.h"
#include "session/EditSession.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Small icon files and a session wired the way the window wires it, with the
// settings store and the desktop's list kept in a temporary folder.

struct RecordingDesktop : RecentDocuments {
    QStringList noted;
    bool noteRecentDocument(const QString& Path) override {
        noted << Path;
        return true;
    }
};

// A W x H image of Format whose pixel (x, y) is Colour(x, y); palette formats
// get a palette holding every colour used (and black), in order of use.
std::unique_ptr<IconImage> makeImage(int W, int H, ColourFormat Format,
                                     TColor32 (*Colour)(int, int));
// Opaque colours that differ from pixel to pixel, 16 of them at most.
TColor32 sixteenColours(int X, int Y);
// A ramp of colours with alpha running from 0 up.
TColor32 alphaRamp(int X, int Y);

QByteArray iconBytes(std::uint16_t Type, const std::vector<const IconImage*>& Images);
void writeFile(const QString& Path, const QByteArray& Bytes);
QByteArray readFile(const QString& Path);

class SessionFilesTest : public ::testing::Test {
protected:
    SessionFilesTest();
    ~SessionFilesTest() override;

    QString path(const QString& Name) const { return m_dir.filePath(Name); }
    // A two-image icon: 16 x 16 at 4 bits, 32 x 32 at 32 bits.
    QString writeTwoImageIcon(const QString& Name);
    QStringList recentList() const;
    // Unsaved work in a document that has a file of its own.
    void makeEdited(const QString& FileName);

    QTemporaryDir m_dir;
    ScriptedPrompter prompts;
    RecordingDesktop desktop;
    RecentFiles recent;
    EditSession session;
};
