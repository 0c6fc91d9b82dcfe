#pragma once

#include "canvas/FloatingSelection.h"
#include "canvas/UndoHistory.h"
#include "colours/ColourState.h"
#include "colours/ColoursBox.h"
#include "colours/DisplayColours.h"
#include "document/IconDocument.h"
#include "document/StatusSink.h"
#include "document/file/Transparency.h"
#include "pixel/TBitmap32.h"
#include "session/ColourEditing.h"
#include "session/CommandStates.h"
#include "session/ImageListEditing.h"
#include "session/ProgramSettings.h"
#include "session/Prompter.h"
#include "session/RecentOpening.h"
#include "session/SaveResult.h"
#include "session/ToolEditing.h"
#include "session/WorkDisplay.h"

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class DesktopClipboard;
class NewIconPrompt;
struct NewIconChoice;
class PalettePrompt;
class RecentFileList;
class SessionEffects;
class SessionTools;

// The editing state of the one open document for the whole run: the document,
// the two working copies of the active image, the program-wide settings and
// the colours. The window shows it and turns its signals into repaints,
// captions and enabled states; every question goes through the Prompter.
class EditSession : public QObject,
                    public StatusSink,
                    public ColourEditing,
                    public ImageListEditing,
                    public RecentOpening,
                    public ToolEditing,
                    public WorkDisplay {
    Q_OBJECT
public:
    EditSession(Prompter& Prompts, QString ProgramFolder, QObject* Parent = nullptr);
    ~EditSession() override;

    Prompter& prompter() { return m_prompter; }
    // The folder of the installation data, with a trailing separator.
    const QString& ProgramFolder() const { return m_programFolder; }

    IconDocument& document() { return m_document; }
    const IconDocument& document() const override { return m_document; }
    IconImage& ActiveImage() override { return m_document.ActiveImage(); }
    // What the tools paint into, strokes in progress included.
    TBitmap32& WorkBitmap() override { return m_workBitmap; }
    // The committed state of the active image.
    TBitmap32& CleanBitmap() override { return m_cleanBitmap; }

    // --- settings (SessionSettings.cpp) ---
    const ProgramSettings& settings() const override { return m_settings; }
    // Takes the values read at start-up; the working copies take the font.
    void loadSettings(const ProgramSettings& S);
    // The window's own values, handed over before the settings are saved.
    void setWindowValues(const QRect& Bounds, bool ToolBarShown, bool StatusBarShown,
                         int IconsWidth);
    TransparencySettings transparency() const override;
    void setUndoMax(int UndoMax);
    void setTraRange(int TraRange);
    void setGridShown(bool Shown);
    void setDisplayColors(TColor TraColor, TColor InvColor, TColor GridColor);
    QFont textFont() const;
    void setTextFont(const QFont& Font);
    CustomColours& customColours() { return m_settings.CustomColors; }

    // The two drawing colours with their alphas; they start as opaque black
    // and transparent black on every run. Setting one goes through
    // setColours, so the pens and the swatches follow.
    TColor32 ForegroundColor32() const override { return m_foreground; }
    TColor32 BackgroundColor32() const override { return m_background; }
    void setForegroundColor32(TColor32 Color);
    void setBackgroundColor32(TColor32 Color);

    // --- commands (SessionNew.cpp) ---
    // The untitled document. From code (start-up, a failed open) nothing is
    // asked; otherwise unsaved changes are offered for saving first.
    void NewAExecute(bool FromCode);
    // The "Save changes?" question. True means abort: the caller must stop,
    // because the user cancelled or the changes could not be saved.
    bool ConfirmSaveChanges();
    // The Save command, run when the user answers Yes.
    void setSaveHandler(SaveHandler Handler) { m_save = std::move(Handler); }

    // --- file commands (SessionFiles.cpp) ---
    // The Open command. From the menu the open dialog comes first; from code
    // (command line, recent files) Path is opened without a dialog. The file
    // is read next: one that cannot be read is reported and leaves the
    // document, its unsaved changes and its undo history as they were. Only
    // then comes the "Save changes?" question.
    void OpenAExecute(bool FromCode, const QString& Path = QString()) override;
    // Adds the images of a chosen file after the document's own; a file that
    // cannot be read is reported and adds nothing. From code (a file dropped
    // on the image list) Path is read without a dialog.
    void Open2Click(bool FromCode = false, const QString& Path = QString());
    // Writes the document to FileName (Save As when it has none). A save run
    // from code also puts the file at the top of the recent files.
    SaveResult SaveAExecute(bool FromCode);
    // Asks for a name and a type, then saves there.
    SaveResult SaveAs1Click();
    // --- how images are stored, and new documents from pictures (SessionStorage.cpp) ---
    // "Stored as PNG": a 32-bit image below 256 pixels goes between PNG
    // picture and bitmap, as an undoable change; nothing for other images.
    void StoredAsPng1Click();
    // Whether the user may choose how Image is stored.
    static bool storageChoosable(const IconImage& Image);
    // "New from Picture...": a chosen picture becomes a new untitled document
    // of one image per standard size (PictureSizeSet). A picture that cannot
    // be read is reported and changes nothing; unsaved changes are offered
    // for saving once the picture is read.
    void NewFromPicture1Click();
    // Puts FileName at the top of the recent files; the menu follows through
    // recentFilesChanged. Without a list installed only the signal is sent.
    void AddRecentFile();
    void setRecentFiles(RecentFileList* Recent) override { m_recent = Recent; }

    // --- undo and redo (SessionUndo.cpp) ---
    // Starts the history afresh with the WorkBitmap being shown.
    void ResetUndo();
    // The steps that finish a change: commit() keeps what is painted
    // (CleanBitmap := WorkBitmap), reset() drops a preview (WorkBitmap :=
    // CleanBitmap), PushUndo() then records the committed state: the image
    // record and its thumbnail are refreshed first and Modified is set.
    void commit();
    void reset();
    void PushUndo();
    // Ctrl+Z / Ctrl+Shift+Z; nothing happens while there is nowhere to go.
    void UndoAExecute();
    void RedoAExecute();

    // --- the edit transaction (SessionEdit.cpp) ---
    // Every change of the active image ends here, whoever made it (a tool,
    // colour replacement, and later effects, paste, resize and the format
    // change): the committed state is snapped to the palette of a palette
    // image when SnapToPalette says so, then recorded (PushUndo, which
    // refreshes the record and its thumbnail).
    void finishEdit(bool SnapToPalette);
    // Change applied to the committed state in one step: reset, Change on
    // the WorkBitmap, commit, finishEdit, repaint.
    void applyEdit(const std::function<void(TBitmap32&)>& Change, bool SnapToPalette);
    // FitToPalette: snaps the committed image to the palette of a 2-, 16- or
    // 256-colour image and copies it back into the WorkBitmap; nothing for
    // true colour. The record follows only when the change is recorded.
    void snapToPalette();
    const UndoHistory& undoHistory() const { return m_undo; }
    // The hot spot tool moved the active image's hot spot.
    void hotSpotMoved();

    // --- the image list (SessionImages.cpp) ---
    // Makes the image at Selected active (a double click on the list, or
    // Forced after the list changed). Without Forced, choosing the active
    // image again does nothing.
    void ActivateImage(int Selected, bool Forced) override;
    // Who answers the "New Icon" dialog; without one NewIAExecute does nothing.
    void setNewIconPrompt(NewIconPrompt* Prompt) { m_newIconPrompt = Prompt; }
    void NewIAExecute();
    // Appends a blank image of the chosen size and format and activates it.
    void appendNewImage(const NewIconChoice& Choice);
    void RemoveIAExecute();
    void Duplicate1Click();
    // Exchange the active image with its neighbour above / below.
    void IUBClick() override;
    void IDBClick() override;

    // --- the colours (SessionColours.cpp) ---
    // The two drawing colours as the colours panel edits them; setColours
    // also gives the WorkBitmap its PenColor and BrushColor.
    ColourState colours() const override;
    void setColours(const ColourState& State) override;
    // The palette box: the active image's palette or colour chart and the
    // transparent/inverted row.
    const ColoursBox& coloursBox() const override { return m_coloursBox; }
    void RebuildColoursBox();
    void ColorsBoxMouseDown(int X, int Y, Qt::MouseButton Button) override;
    // A click on the foreground or background swatch: the right button swaps
    // the colours, any other asks the colour dialog.
    void pecolMouseDown(ColourSlot Slot, Qt::MouseButton Button) override;
    // The Options menu's Transparent, Inverted and Grid Color commands.
    void chooseDisplayColour(DisplayColour Which);
    // The tool-panel buttons that recolour the committed image.
    void changecolClick();
    void colcovertClick();

    // --- the painting tools (SessionTools.cpp) ---
    // The tools' context, their mouse protocol and their options.
    SessionTools& tools() override { return *m_tools; }

    // --- colour format and palette (SessionFormat.cpp) ---
    // The "Image C&olors" entries: the active image takes format F (1, 4, 8,
    // 24 or 32). Going down to a palette format asks whether the palette is
    // made from the image's own colours; Cancel, or a default palette that
    // cannot be read, changes nothing. The change is one undo step. True when
    // the format changed; the window then shows the checked entry anew.
    bool rueColorwithAplpha1Click(ColourFormat F);
    // Who answers the "Configure Palette" dialog; without one PalAExecute
    // does nothing.
    void setPalettePrompt(PalettePrompt* Prompt) { m_palettePrompt = Prompt; }
    void PalAExecute();
    // The dialog closed with OK: Palette becomes the active image's palette,
    // the image and the drawing colours are fitted to it, one undo step. A
    // palette whose size is not the format's is refused with a message.
    bool paletteConfigured(const PalettePicture& Palette);
    // --- the effects and the resizing (SessionEffects.cpp) ---
    SessionEffects& effects() { return *m_effects; }

    // --- the floating selection (SessionFloating.cpp) ---
    // The pixels of the floating selection, or nullptr when there is none:
    // effects and palette fitting act on it instead of the image.
    TBitmap32* floatingTarget();
    // An effect changed the floating selection: it is mapped to the palette
    // of a palette image and the view repaints. Its rectangle stays as it is
    // (a stretched selection stays stretched). Nothing is recorded.
    void finishFloatingEffect();
    // The floating selection's rectangle, or an empty one without a
    // selection; the effects that give it a new size (the turns, Smooth
    // Contract) place it with placeFloatingSelection.
    QRect floatingRect() const;
    void placeFloatingSelection(const QRect& Rect);
    // The floating selection with its rectangle, or nullptr when there is
    // none.
    FloatingSelection* floatingSelection() { return m_floating ? &*m_floating : nullptr; }
    const FloatingSelection* floatingSelection() const override {
        return m_floating ? &*m_floating : nullptr;
    }
    // Merges the floating selection into the image at its rectangle exactly
    // as the view shows it, records the result as one undo step and discards
    // the selection. Nothing happens without one.
    void DropSelection();
    // The active image as the view shows it: the committed image with the
    // floating selection drawn in. A change recorded while a selection
    // floats writes this into the image record; dropping gives the same.
    TBitmap32 shownImage() const;
    // A new selection floats over the image (a lift, a paste, a capture);
    // SelTim starts.
    void floatSelection(FloatingSelection Selection);
    // SelTim, the marching frame's timer: it runs while a selection floats,
    // with interval 0 (the frame held) while the selection is moved or
    // stretched and 500 ms otherwise.
    bool selTimEnabled() const { return m_selTimEnabled; }
    int selTimInterval() const { return m_selTimInterval; }
    void setSelTimInterval(int Milliseconds);
    void stopSelTim();
    // A captured screen picture of the image's size becomes a floating
    // selection at the top left, opaque and mapped to the palette, as after
    // a paste; the select tool is chosen (dropping any selection) first.
    void placeCapture(const QImage& Picture);

    // --- the clipboard commands (SessionClipboard.cpp) ---
    // Who answers for the desktop's clipboard; without one Cut, Copy and
    // Paste do nothing and Paste stays disabled.
    void setClipboard(DesktopClipboard* Clipboard);
    // The floating selection, or else the committed image, goes onto the
    // clipboard as a picture with its alpha.
    void CopyAExecute();
    // Copy, then Clear.
    void CutAExecute();
    // The clipboard's picture becomes a floating selection at the top left,
    // squeezed into the image where it is larger; nothing is recorded yet.
    void PasteAExecute();
    // Discards the floating selection (a lifted one leaves its hole), or
    // clears the whole image to transparent black. Recorded, except when
    // only a pasted selection goes.
    void Clear2Click();

    // --- what the window shows ---
    QString windowCaption() const;
    CommandStates commandStates() const { return m_states; }
    void setModified(bool Modified) { m_document.Modified = Modified; }
    // StatusSink: text for the status bar's first panel.
    void showStatus(const QString& Text) override;
    // Recomputes the enabled states that follow the document and announces a
    // change.
    void updateCommandStates();

signals:
    void captionChanged(const QString& Caption);
    // The whole image list was replaced (New, Open): the list view rebuilds.
    void imagesReplaced();
    // Another image (or a new document) became active; the working copies
    // hold it: the view lays itself out again, the format menu and the
    // colours panel follow its format.
    void activeImageChanged();
    // The working copies changed: the view repaints.
    void workChanged();
    void commandStatesChanged(const CommandStates& States);
    void statusText(const QString& Text);
    // A display setting changed (grid, colours, alpha range, font).
    void settingsChanged();
    // A new or opened document is about to replace the current one: the
    // pencil tool is selected and any floating selection is discarded.
    void openingDocument();
    // The recent files changed: the File menu rebuilds them.
    void recentFilesChanged();
    // The caption or thumbnail of the list item Index changed.
    void imageItemChanged(int Index);
    // The WorkBitmap took another size or format: the view refits its zoom.
    void workResized();
    // The active image took another format: the format menu follows.
    void formatChanged();
    // SelTim started, stopped or took another interval: the view follows.
    void selTimChanged();
    // The drawing colours or their alphas changed: the swatches follow.
    void coloursChanged();
    // The palette box was rebuilt: the colours panel resizes and repaints.
    void coloursBoxChanged();

private:
    // The active image's record and list thumbnail take the CleanBitmap;
    // the edit transaction and undo call it.
    void RefreshThumbnail();
    PalettePicture readColourChart();
    void loadWorkingCopies(const TBitmap32& Pixels);
    void showOpenedDocument();
    void showUndoNode(const UndoNode& Node);
    void fitColoursToPalette();
    void storeWorkIntoActive();
    // Merges the floating selection into the record without an undo entry,
    // when the history is about to start over (another image is shown).
    void dropSelectionUnrecorded();
    // The first Undo while a selection floats takes back only the selection:
    // a pasted one goes, a lifted one puts its pixels back where they were.
    void cancelFloatingSelection();
    // UndoA follows the history, and a floating selection can always be
    // taken back.
    void updateUndoStates();
    // Gives up a curve or polygon still being clicked into place, before its
    // preview could be taken for the image.
    void endPendingShape();
    void discardFloatingSelection();
    void mergeFloatingSelection();
    // The one palette snap: Pixels takes the nearest colours of a 2-, 16- or
    // 256-colour active image. It never writes the image record.
    void fitToActivePalette(TBitmap32& Pixels);
    void placeFloating(TBitmap32 Pixels, const QRect& Rect);

    Prompter& m_prompter;
    TColor32 m_foreground = 0xFF000000u;
    TColor32 m_background = 0x00000000u;
    QString m_programFolder;
    IconDocument m_document;
    TBitmap32 m_workBitmap{1, 1};
    TBitmap32 m_cleanBitmap{1, 1};
    ProgramSettings m_settings;
    CommandStates m_states;
    SaveHandler m_save;
    RecentFileList* m_recent = nullptr;
    UndoHistory m_undo;
    ColoursBox m_coloursBox;
    NewIconPrompt* m_newIconPrompt = nullptr;
    PalettePrompt* m_palettePrompt = nullptr;
    std::unique_ptr<SessionTools> m_tools;
    std::unique_ptr<SessionEffects> m_effects;
    std::optional<FloatingSelection> m_floating;
    bool m_selTimEnabled = false;
    int m_selTimInterval = 500;
    DesktopClipboard* m_clipboard = nullptr;
};
