#include "app/ui/CommandTable.h"

#include "images/ui/FrameStrip.h"
#include "session/SessionFrames.h"

#include "app/ui/MainForm.h"
#include "app/ui/MenuImageList.h"
#include "session/SessionEffects.h"

namespace {

using K = CommandKind;
using M = MenuImageList;
namespace Flag = CommandFlag;
using Handler = void (*)(TMainForm&, QAction*);

// Row makers, so each row reads as name, place, caption, hint, key and glyph.
CommandRow menu(const char* Name, const char* In, const char* Caption, const char* Hint = "") {
    return {K::Menu, Name, In, Caption, Hint, "", -1, 0, nullptr, Flag::None, 0};
}
CommandRow separator(const char* In, const char* Name = nullptr, unsigned Flags = Flag::None) {
    return {K::Separator, Name, In, "", "", "", -1, 0, nullptr, Flags, 0};
}
CommandRow command(const char* Name, const char* In, const char* Caption, const char* Hint,
                   const char* Shortcut, Handler Run, int Glyph = -1, int ToolBarGroup = 0,
                   unsigned Flags = Flag::None, int Data = 0) {
    return {K::Action, Name, In, Caption, Hint, Shortcut, Glyph, ToolBarGroup, Run, Flags, Data};
}

void recent(TMainForm& Form, QAction* Sender) {
    Form.Recent4Click(Sender);
}

// The entry clicked is checked at once; afterwards the check and its glyph
// show the format the image really has, which after Cancel is the old one.
void formatChoice(TMainForm& Form, QAction* Sender) {
    Form.session().rueColorwithAplpha1Click(ColourFormat(Sender->data().toInt()));
    Form.showFormatChecked(Form.session().ActiveImage().Format);
}

// The Effects menu's handlers run in the session's effect frame.
EffectFrame& fx(TMainForm& Form) {
    return Form.session().effects().frame();
}

// An effect command: its handler in the effect frame.
template <void (EffectFrame::*Run)()> void effect(TMainForm& Form, QAction*) {
    (fx(Form).*Run)();
}

// The four emboss entries share one handler; each carries its Tag.
void embossClick(TMainForm& Form, QAction* Sender) {
    fx(Form).opLeft1Click(Sender->data().toInt());
}

std::vector<CommandRow> makeTable() {
    const char* emboss = "Applies the Emboss effect";
    return {
        menu("File1", nullptr, "&File"),
        command(
            "NewA", "File1", "&New", "New|Creates a new icon/cursor.", "Ctrl+N",
            [](TMainForm& Form, QAction*) { Form.session().NewAExecute(false); }, M::New, 1),
        command(
            "OpenA", "File1", "&Open", "Open|Opens an existing icon/cursor file.", "Ctrl+O",
            [](TMainForm& Form, QAction*) { Form.session().OpenAExecute(false); }, M::Open, 1),
        command(
            "SaveA", "File1", "&Save", "Save|Saves current icon/cursor to file.", "Ctrl+S",
            [](TMainForm& Form, QAction*) { Form.session().SaveAExecute(false); }, M::Save, 1),
        command("SaveAs1", "File1", "Save &As...", "Saves current icon/cursor as a new file.", "",
                [](TMainForm& Form, QAction*) { Form.session().SaveAs1Click(); }),
        command("CursorTheme1", "File1", "Cursor &Theme...",
                "Makes a cursor theme for the Linux desktop from cursor files.", "",
                [](TMainForm& Form, QAction*) { Form.cursorThemeClick(); }),
        separator("File1"),
        command("Recent1", "File1", "&1 ", "", "", recent, -1, 0, Flag::Hidden),
        command("Recent2", "File1", "&2 ", "", "", recent, -1, 0, Flag::Hidden),
        command("Recent3", "File1", "&3 ", "", "", recent, -1, 0, Flag::Hidden),
        command("Recent4", "File1", "&4 ", "", "", recent, -1, 0, Flag::Hidden),
        // Shown while there is a recent file.
        separator("File1", "N2", Flag::Hidden),
        command("Exit1", "File1", "E&xit", "Quits Brisel.", "",
                [](TMainForm& Form, QAction*) { Form.Exit1Click(); }),

        menu("Edit1", nullptr, "&Edit"),
        command(
            "UndoA", "Edit1", "&Undo", "Undo|Undoes the last action.", "Ctrl+Z",
            [](TMainForm& Form, QAction*) { Form.session().UndoAExecute(); }, M::Undo, 2,
            Flag::FollowsSession),
        command(
            "RedoA", "Edit1", "&Redo", "Redo|Redoes the previously undone action.", "Ctrl+Shift+Z",
            [](TMainForm& Form, QAction*) { Form.session().RedoAExecute(); }, M::Redo, 2,
            Flag::FollowsSession),
        separator("Edit1"),
        command("CutA", "Edit1", "&Cut", "Cut|Cuts the image/selection and puts it on the Clipboard.",
                "Ctrl+X", [](TMainForm& Form, QAction*) { Form.session().CutAExecute(); }, M::Cut,
                3),
        command("CopyA", "Edit1", "&Copy",
                "Copy|Copies the image/selection and puts it on the Clipboard.", "Ctrl+C",
                [](TMainForm& Form, QAction*) { Form.session().CopyAExecute(); }, M::Copy, 3),
        // Enabled while the clipboard holds a picture.
        command("PasteA", "Edit1", "&Paste", "Paste|Inserts the contents of the Clipboard.",
                "Ctrl+V", [](TMainForm& Form, QAction*) { Form.session().PasteAExecute(); },
                M::Paste, 3, Flag::FollowsSession),
        command("Clear2", "Edit1", "C&lear", "Clears the image/selection.", "Del",
                [](TMainForm& Form, QAction*) { Form.session().Clear2Click(); }, M::Clear),

        menu("Icon1", nullptr, "&Icon"),
        command(
            "NewIA", "Icon1", "&New", "New Icon|Adds a new icon/cursor to file.", "Ctrl+I",
            [](TMainForm& Form, QAction*) { Form.session().NewIAExecute(); }, M::NewImage, 4),
        command("Open2", "Icon1", "&Open",
                "Opens an icon/cursor file and adds its images to current file.", "",
                [](TMainForm& Form, QAction*) { Form.session().Open2Click(); }),
        command("NewFromPicture1", "Icon1", "New from &Picture...",
                "Makes a new icon of the standard sizes from a picture.", "",
                [](TMainForm& Form, QAction*) { Form.session().NewFromPicture1Click(); }),
        command("RemoveIA", "Icon1", "&Remove", "Remove Icon|Deletes active image from file.",
                "Ctrl+R", [](TMainForm& Form, QAction*) { Form.session().RemoveIAExecute(); },
                M::RemoveImage, 4, Flag::FollowsSession),
        command("Duplicate1", "Icon1", "&Duplicate", "Creates a copy of active image.", "",
                [](TMainForm& Form, QAction*) { Form.session().Duplicate1Click(); }),
        separator("Icon1"),
        command("Resize1", "Icon1", "&Resize", "Changes the size of active image.", "",
                [](TMainForm& Form, QAction*) { Form.session().effects().Resize1Click(); }),
        menu("Color2", "Icon1", "Image C&olors", "Changes the color format of active image."),
        command("N21", "Color2", "&2 Colors (1bit)", "Changes image colors format to 1bit.", "",
                formatChoice, -1, 0, Flag::FormatChoice, 1),
        command("N16Colors1", "Color2", "&16 Colors (4bits)",
                "Changes image colors format to 4bit.", "",
                formatChoice, -1, 0, Flag::FormatChoice, 4),
        command("N256Color1", "Color2", "2&56 Colors (8bits)",
                "Changes image colors format to 8bit.", "",
                formatChoice, -1, 0, Flag::FormatChoice, 8),
        command("reuColors1", "Color2", "&True Color (24bits)",
                "Changes image colors format to 24bit.", "",
                formatChoice, -1, 0, Flag::FormatChoice, 24),
        command("rueColorwithAplpha1", "Color2", "True Color with &Alpha (32bits)",
                "Changes image colors format to 32bit.", "",
                formatChoice, -1, 0, Flag::FormatChoice, 32),
        command("PalA", "Icon1", "&Configure Palette",
                "Configure Palette|Configures active image palette.", "",
                [](TMainForm& Form, QAction*) { Form.session().PalAExecute(); }, M::Palette, 4,
                Flag::FollowsSession),
        command("StoredAsPng1", "Icon1", "Stored as P&NG",
                "Keeps active image as a PNG picture in the file (32-bit images).", "",
                [](TMainForm& Form, QAction*) { Form.session().StoredAsPng1Click(); }, -1, 0,
                Flag::Checkable | Flag::FollowsSession),
        separator("Icon1"),
        menu("Frames1", "Icon1", "&Frames", "The frames of an animated cursor."),
        command("AddFrame1", "Frames1", "&Add Frame", "Adds a blank frame after the active one.",
                "", [](TMainForm& Form, QAction*) {
                    Form.session().frames().addFrame(FrameEditing::NewFrame::Blank);
                }),
        command("DuplicateFrame1", "Frames1", "Add &Copy",
                "Adds a copy of the active frame after it.", "",
                [](TMainForm& Form, QAction*) {
                    Form.session().frames().addFrame(FrameEditing::NewFrame::Copy);
                }),
        command("RemoveFrame1", "Frames1", "&Remove Frame", "Removes the active frame.", "",
                [](TMainForm& Form, QAction*) { Form.session().frames().removeFrame(); }),
        command("FrameUp1", "Frames1", "Move &Up", "Moves the active frame one place up.", "",
                [](TMainForm& Form, QAction*) { Form.session().frames().moveFrameUp(); }),
        command("FrameDown1", "Frames1", "Move &Down", "Moves the active frame one place down.",
                "", [](TMainForm& Form, QAction*) { Form.session().frames().moveFrameDown(); }),
        command("FrameRate1", "Frames1", "Ra&te...", "Sets how long the selected frames show.",
                "", [](TMainForm& Form, QAction*) { Form.frameStrip()->rateClick(); }),
        command("Sequence1", "Frames1", "&Sequence...",
                "Sets the order in which the frames play.", "",
                [](TMainForm& Form, QAction*) { Form.frameStrip()->sequenceClick(); }),
        command("AniProperties1", "Frames1", "Pr&operties...",
                "Sets the title and author of the animated cursor.", "",
                [](TMainForm& Form, QAction*) { Form.frameStrip()->propertiesClick(); }),
        command(
            "PreviewA", "Icon1", "&Preview", "Preview|Previews active image.", "Ctrl+P",
            [](TMainForm& Form, QAction*) { Form.PreviewAExecute(); }, M::Preview, 4),

        menu("Effects1", nullptr, "&Effects"),
        command("Invert1", "Effects1", "&Invert Colors",
                "Inverts red, green and blue channels of the image/selection.", "Alt+I",
                effect<&EffectFrame::Invert1Click>),
        command("InvertAlpha1", "Effects1", "Invert &Alpha",
                "Inverts alpha channel of the image/selection.", "Alt+A",
                effect<&EffectFrame::InvertAlpha1Click>),
        command("GrayScale1", "Effects1", "&Grayscale",
                "Changes image/selection colors to grayscale.", "Alt+G",
                effect<&EffectFrame::GrayScale1Click>),
        command("ColorL1", "Effects1", "Color &Levels",
                "Adjusts red, green, blue and alpha channels of then image/selection.", "Alt+L",
                effect<&EffectFrame::ColorL1Click>),
        separator("Effects1"),
        command("ImageBalance1", "Effects1", "Image &Balance",
                "Adjusts brightness, contrast and gamma of the image/selection.", "Alt+B",
                effect<&EffectFrame::ImageBalance1Click>),
        command("Saturation1", "Effects1", "&Saturation", "Reduces image/selection saturation.",
                "Alt+S", effect<&EffectFrame::Saturation1Click>),
        separator("Effects1"),
        command("AddColorNoise1", "Effects1", "Add Color &Noise",
                "Adds noise with random 24bit colors to the image/selection.", "Alt+N",
                effect<&EffectFrame::AddColorNoise1Click>),
        command("AddColorNoisewithAlpha1", "Effects1", "Add Color Noise with Alp&ha",
                "Adds noise with random 32bit colors to the image/selection.", "Alt+F",
                effect<&EffectFrame::AddColorNoisewithAlpha1Click>),
        command("AddPenNoise1", "Effects1", "Add &Pen Noise",
                "Adds noise with foreground color to the image/selection.", "Alt+P",
                effect<&EffectFrame::AddPenNoise1Click>),
        command("Spray1", "Effects1", "Spa&tter", "Replaces image/selection pixels.", "Alt+T",
                effect<&EffectFrame::Spray1Click>),
        separator("Effects1"),
        command("Blur1", "Effects1", "Bl&ur", "Softens image/selection.", "Alt+U",
                effect<&EffectFrame::Blur1Click>),
        command("Shadow1", "Effects1", "Sha&dow", "Creates a shadow of image/selection.", "Alt+D",
                effect<&EffectFrame::Shadow1Click>),
        menu("Emboss1", "Effects1", "&Emboss", "Makes image/selection appear raised or stamped."),
        command("opLeft1", "Emboss1", "Top Left", emboss, "Alt+E", embossClick, -1, 0, Flag::None,
                0),
        command("opRight1", "Emboss1", "Top Right", emboss, "Alt+Shift+E", embossClick, -1, 0,
                Flag::None, 20),
        command("BottomLeft1", "Emboss1", "Bottom Left", emboss, "Ctrl+E", embossClick, -1, 0,
                Flag::None, 2),
        command("BootomRight1", "Emboss1", "Bootom Right", emboss, "Ctrl+Shift+E", embossClick, -1,
                0, Flag::None, 22),
        separator("Effects1"),
        command("SmoothStretch1", "Effects1", "S&mooth Contract", "", "Alt+M",
                effect<&EffectFrame::SmoothStretch1Click>),
        menu("Rotate1", "Effects1", "&Rotate", "Rotates the image/selection."),
        command("Cloclwise1", "Rotate1", "Clock&wise",
                "Rotates image/selection 90 degrees clockwise.", "Alt+W",
                effect<&EffectFrame::Cloclwise1Click>),
        command("CounterClockwise1", "Rotate1", "&Counterclockwise",
                "Rotates image/selection 90 degrees counterclockwise.", "Alt+C",
                effect<&EffectFrame::CounterClockwise1Click>),
        command("Custom1", "Rotate1", "Cust&om Rotation",
                "Rotates image/selection 0 to 360 degrees counterclockwise.", "Alt+O",
                effect<&EffectFrame::Custom1Click>),
        menu("Flip1", "Effects1", "&Flip", "Flips image/selection."),
        command("FlipHorizentall1", "Flip1", "Flip &Horizontal",
                "Flips image/selection horizontal.", "Alt+H",
                effect<&EffectFrame::FlipHorizentall1Click>),
        command("FlipVertical1", "Flip1", "Flip &Vertical", "Flips image/selection vertical.",
                "Alt+V", effect<&EffectFrame::FlipVertical1Click>),

        menu("Options1", nullptr, "&Options"),
        command("ransparentColor1", "Options1", "&Transparent Color",
                "Changes screen transparent color.", "",
                [](TMainForm& Form, QAction*) {
                    Form.session().chooseDisplayColour(DisplayColour::TraColor);
                }),
        command("InvertedColor1", "Options1", "&Inverted Color", "Changes screen inverted color.",
                "",
                [](TMainForm& Form, QAction*) {
                    Form.session().chooseDisplayColour(DisplayColour::InvColor);
                }),
        command("GridColor1", "Options1", "&Grid Color", "Changes grid color.", "",
                [](TMainForm& Form, QAction*) {
                    Form.session().chooseDisplayColour(DisplayColour::GridColor);
                }),
        separator("Options1"),
        command("UndoLevel1", "Options1", "Undo Le&vel", "Specifies the number of undo levels.", "",
                [](TMainForm& Form, QAction*) { Form.UndoLevel1Click(); }),
        command("ransparencyalpharange1", "Options1", "Transparency alpha &range",
                "Specifies the maximum alpha channel of transparent colors.", "",
                [](TMainForm& Form, QAction*) { Form.ransparencyalpharange1Click(); }),

        menu("Veiw1", nullptr, "&Veiw"),
        command(
            "GridA", "Veiw1", "&Grid", "Grid|Shows/Hides grid.", "Ctrl+G",
            [](TMainForm& Form, QAction*) { Form.GridAExecute(); }, M::Grid, 5,
            Flag::Checkable | Flag::Checked),
        separator("Veiw1"),
        command(
            "oolbar1", "Veiw1", "&Toolbar", "Shows/Hides toolbar.", "",
            [](TMainForm& Form, QAction*) { Form.oolbar1Click(); }, -1, 0,
            Flag::Checkable | Flag::Checked),
        command(
            "Statusbar1", "Veiw1", "&Status bar", "Shows/Hides status bar.", "",
            [](TMainForm& Form, QAction*) { Form.Statusbar1Click(); }, -1, 0,
            Flag::Checkable | Flag::Checked),

        menu("Help1", nullptr, "&Help"),
        command(
            "HelpA", "Help1", "&Contents", "Help|Displays help contents.", "F1",
            [](TMainForm& Form, QAction*) { Form.HelpAExecute(); }, M::Help, 6),
        separator("Help1"),
        command("VisitHomepage1", "Help1", "Visit Homepage",
                "Opens default web browser and connects to Tavro.", "",
                [](TMainForm& Form, QAction*) { Form.VisitHomepage1Click(); }),
        separator("Help1"),
        command("About1", "Help1", "About...", "", "",
                [](TMainForm& Form, QAction*) { Form.About1Click(); }),
    };
}

} // namespace

const std::vector<CommandRow>& commandTable() {
    static const std::vector<CommandRow> table = makeTable();
    return table;
}
