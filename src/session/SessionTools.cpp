#include "session/SessionTools.h"

#include "canvas/tools/SelectTool.h"
#include "canvas/tools/ToolInfo.h"
#include "document/DefaultPalette.h"
#include "document/FileErrors.h"
#include "session/EditSession.h"

#include <QDir>

SessionTools::SessionTools(EditSession& Session) : m_session(Session), m_controller(*this) {
    m_options.Font = m_session.textFont();
    m_controller.registerTool(SelectTag, std::make_unique<SelectTool>(*this));
    m_workHint = toolInfo(m_controller.CurrentTool())->status();

    m_sprayTim.setInterval(10);
    connect(&m_sprayTim, &QTimer::timeout, this, [this] { m_controller.SprayTimTimer(); });

    try {
        m_barBackground = readDataPicture(
            QDir(UseFilesFolder(m_session.ProgramFolder())).filePath(QStringLiteral("Tra.bmp")));
    } catch (const DataFileError&) {
        // Only the look of the gradient bar suffers; it says so by showing
        // white where the picture would be.
    }

    // The text font is a setting: a font read at start-up or chosen in the
    // dialog is the one the text tool writes with.
    connect(&m_session, &EditSession::settingsChanged, this,
            [this] { m_options.Font = m_session.textFont(); });
    // Another image shows: its working copies follow the "Blend Colors" switch.
    connect(&m_session, &EditSession::activeImageChanged, this, [this] { copyBlendSwitch(); });
    // A new or opened document starts with the pencil.
    connect(&m_session, &EditSession::openingDocument, this, [this] {
        if (m_controller.CurrentTool() != PenTag) m_controller.freeClick(PenTag);
    });
}

SessionTools::~SessionTools() = default;

void SessionTools::copyBlendSwitch() {
    m_session.WorkBitmap().Blend = m_options.Blen;
    m_session.CleanBitmap().Blend = m_options.Blen;
}

void SessionTools::AntiClick(bool Down) {
    const bool blend = m_options.Blen;
    m_controller.AntiClick(Down);
    if (m_options.Blen != blend) emit switchesChanged();
}

void SessionTools::txtChange(const QString& Text) {
    m_options.Text = Text;
    m_controller.txtChange();
}

void SessionTools::FontBtnClick() {
    const std::optional<QFont> chosen = m_session.prompter().chooseFont(m_options.Font);
    if (!chosen) return;
    // The session keeps it with the settings and hands it back through
    // settingsChanged.
    m_session.setTextFont(*chosen);
    m_options.Font = m_session.textFont();
}

TBitmap32& SessionTools::workBitmap() {
    return m_session.WorkBitmap();
}

TBitmap32& SessionTools::cleanBitmap() {
    return m_session.CleanBitmap();
}

void SessionTools::pushUndo() {
    m_session.finishEdit(false);
}

void SessionTools::fitToPalette() {
    m_session.snapToPalette();
}

std::uint8_t SessionTools::imageFormat() const {
    return m_session.ActiveImage().Format;
}

void SessionTools::setHotSpot(QPoint Pixel) {
    IconImage& image = m_session.ActiveImage();
    const auto x = std::uint8_t(Pixel.x()), y = std::uint8_t(Pixel.y());
    if (image.HotSpotX == x && image.HotSpotY == y) return;
    image.HotSpotX = x;
    image.HotSpotY = y;
    // Not a step of its own: the state being shown keeps it, so undoing a
    // later stroke does not take it away.
    m_session.hotSpotMoved();
    // The hot spot is written into the file: a moved one is a change that
    // closing the document must not silently drop.
    m_session.setModified(true);
}

int SessionTools::traRange() const {
    return m_session.settings().TraRange;
}

TColor32 SessionTools::foregroundColor32() const {
    return m_session.ForegroundColor32();
}

TColor32 SessionTools::backgroundColor32() const {
    return m_session.BackgroundColor32();
}

void SessionTools::setForegroundColor32(TColor32 Color) {
    m_session.setForegroundColor32(Color);
}

void SessionTools::setBackgroundColor32(TColor32 Color) {
    m_session.setBackgroundColor32(Color);
}

void SessionTools::setWorkHint(const QString& Text) {
    if (Text == m_workHint) return;
    m_workHint = Text;
    emit workHintChanged(Text);
}

void SessionTools::showExtent(const QString& Text) {
    emit extentChanged(Text);
}

void SessionTools::renderWorkView() {
    emit m_session.workChanged();
}

void SessionTools::toolSelected(const ToolInfo& Info) {
    // Turning to a tool, the select tool included, merges what floats.
    m_session.DropSelection();
    emit toolChanged(Info.Tag);
}

void SessionTools::setSprayTimer(bool Running) {
    if (Running)
        m_sprayTim.start();
    else
        m_sprayTim.stop();
}

FloatingSelection* SessionTools::floatingSelection() {
    return m_session.floatingSelection();
}

void SessionTools::DropSelection() {
    m_session.DropSelection();
}

void SessionTools::floatSelection(FloatingSelection Selection) {
    m_session.floatSelection(std::move(Selection));
}

void SessionTools::setSelTimInterval(int Milliseconds) {
    m_session.setSelTimInterval(Milliseconds);
}

void SessionTools::setWorkCursor(int Number) {
    emit workCursorChanged(Number);
}
