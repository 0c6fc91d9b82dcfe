#pragma once

#include "document/ProgramIcons.h"

#include "pixel/TColor32.h"
#include "session/CustomColours.h"

#include <QFont>
#include <QString>
#include <optional>

// What kind of question or notice a message box is; it decides the icon and
// the title the platform shows.
enum class MessageKind { Confirmation, Warning, Error, Information };

// The buttons of a message box, combined with |, and the answer given.
enum MessageButton : unsigned { mbYes = 1, mbNo = 2, mbCancel = 4, mbOK = 8 };
using MessageButtons = unsigned;
inline constexpr MessageButtons mbYesNoCancel = mbYes | mbNo | mbCancel;

enum class MessageAnswer { Yes, No, Cancel, OK };

// An open or save file dialog. The filter is written as pairs of description
// and patterns separated by "|", e.g. "Windows icon (*.ico)|*.ico|Windows
// cursor (*.cur)|*.cur"; FilterIndex counts the pairs from 1.
struct FileDialogRequest {
    QString Title;
    QString Filter;
    int FilterIndex = 1;
    QString FileName; // default name or starting path
    QString InitialDir;
};

struct FileChoice {
    QString FileName;
    int FilterIndex = 1;
};

// Every question, notice and chooser the editor shows goes through here, so
// the core never opens a window and tests answer from a script.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual MessageAnswer message(const QString& Text, MessageKind Kind,
                                  MessageButtons Buttons) = 0;
    // Empty when cancelled.
    virtual std::optional<FileChoice> openFile(const FileDialogRequest& Request) = 0;
    virtual std::optional<FileChoice> saveFile(const FileDialogRequest& Request) = 0;
    // The colour dialog starts at Initial and shows and updates the 16 custom
    // colours; empty when cancelled (the custom colours may still change).
    virtual std::optional<TColor> chooseColor(TColor Initial, CustomColours& Custom) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& Initial) = 0;
    // The chooser of a program's icon and cursor groups (Program names the
    // file); the index of the group chosen, empty when cancelled.
    virtual std::optional<int> chooseProgramGroup(const QString& Program,
                                                  const std::vector<ProgramGroup>& Groups) = 0;
};
