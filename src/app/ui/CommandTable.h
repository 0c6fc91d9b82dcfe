#pragma once

#include <vector>

class QAction;
class TMainForm;

// What a row of the command table becomes.
enum class CommandKind { Action, Menu, Separator };

// How a command shows and when it is enabled.
namespace CommandFlag {
enum : unsigned {
    None = 0,
    Checkable = 1,
    Checked = 2,
    // Enabled by the session's command states rather than by its handler.
    FollowsSession = 4,
    // Hidden until something shows it (the recent files and their separator).
    Hidden = 8,
    // One of the exclusive colour-format choices; Data is the bit count.
    FormatChoice = 16,
};
}

// One command of the main window, named after its component. Menus and
// separators are rows too, so a menu is built from the rows that name it, in
// table order.
struct CommandRow {
    CommandKind Kind;
    const char* Name;     // objectName; separators may have none
    const char* Menu;     // the menu holding it; nullptr for a menu-bar title
    const char* Caption;  // with its access key
    const char* Hint;     // "short|long", or one text for both
    const char* Shortcut; // QKeySequence text, "" for none
    int Glyph;            // MenuImageList slot, -1 for none
    int ToolBarGroup;     // 0: not on the tool bar; groups in rising order
    // Runs the command; Sender is the command's own action. Without one the
    // command stays disabled (unless it follows the session).
    void (*Handler)(TMainForm& Form, QAction* Sender);
    unsigned Flags;
    int Data; // QAction::data(): the format of a format choice, the emboss direction
};

// Every menu, command and separator of the main window, in menu order.
const std::vector<CommandRow>& commandTable();
