#pragma once

#include "cursortheme/CursorRoleTable.h"
#include "document/file/Transparency.h"
#include "document/file/XcursorFile.h"

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class Prompter;

// What the "Cursor Theme" window does, without its widgets: a cursor file
// for each role, the theme's name, comment and sizes, the picture every role
// shows at every size, and Export and Import. Every file dialog and message
// goes through the Prompter.
class CursorThemeEditor {
public:
    static const char* const CursorFilter;
    static const char* const ThemeFilter;

    struct Slot {
        const CursorRole* Role = nullptr;
        QString File;          // the file given for the role; empty when none
        XcursorContents Cursor; // its images as read
    };

    CursorThemeEditor(Prompter& Prompts, TransparencySettings Settings);

    // One slot per role of the table, the Windows scheme's first.
    const std::vector<Slot>& roleSlots() const { return m_slots; }
    int slotOf(const CursorRole* Role) const;

    // Reads Path (a cursor, animated cursor, icon or X cursor file) for the role of slot
    // Index. A file that cannot be read is reported and the slot keeps what
    // it had. Screen-inverting pixels, which a theme cannot show, are
    // mentioned once.
    bool assignFile(int Index, const QString& Path);
    // Asks for a file in the open dialog and assigns it.
    bool chooseFile(int Index);
    void clearSlot(int Index);

    QString Name = QStringLiteral("My Cursors");
    QString Comment;
    QString Inherits;

    const std::vector<std::uint32_t>& sizes() const { return m_sizes; }
    QString sizesText() const;
    // "24, 32, 48": each from 1 to 256; false (and nothing changed) when
    // the text is no such list.
    bool setSizesText(const QString& Text);

    // The role that serves slot Index (itself when given), or none.
    const CursorRole* servingRole(int Index) const;
    // The first frame slot Index shows at nominal Size: its own cursor's, or
    // the cursor of the role standing in for it; empty when none does.
    std::optional<XcursorImage> preview(int Index, std::uint32_t Size) const;
    // The frame slot Index shows at nominal Size At milliseconds into its
    // animation (repeating); empty when no cursor serves it.
    std::optional<XcursorImage> previewAt(int Index, std::uint32_t Size, std::uint64_t At) const;
    // Frames per size of the cursor slot Index shows (1 for still cursors).
    int frameCount(int Index) const;

    // Asks where to write (the chosen path is the theme's folder, its last
    // part the folder's name) and writes the theme; roles left without a
    // cursor are named. False when cancelled or failed.
    bool exportClick();
    // Writes the theme as the folder Folder/Name.
    bool exportTo(const QString& Folder);
    // Asks for a theme's index.theme (or any file of its cursors folder) and
    // reads it: every role found gets its cursor, the name and comment
    // follow the theme.
    bool importClick();
    bool importFrom(const QString& ThemeFolder);
    // Assigns the files of a Windows scheme's install.inf, slot by slot.
    bool loadInstallInf(const QString& Path);

private:
    std::vector<const CursorRole*> givenRoles() const;
    void error(const QString& Text);

    Prompter& m_prompter;
    TransparencySettings m_settings;
    std::vector<Slot> m_slots;
    std::vector<std::uint32_t> m_sizes;
    // The frames made at each size, per role; cleared when a slot or the
    // sizes change.
    const std::vector<XcursorImage>* madeFrames(int Index, std::uint32_t Size) const;
    mutable std::map<std::pair<int, std::uint32_t>, std::vector<XcursorImage>> m_previews;
};
