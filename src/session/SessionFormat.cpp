#include "session/EditSession.h"

#include "document/DefaultPalette.h"
#include "document/ImageCaption.h"
#include "document/PaletteOps.h"
#include "session/PalettePrompt.h"
#include "session/SessionTools.h"

namespace {

// The palette a palette image keeps must have exactly its format's entries:
// the writer stores only that many and would silently recolour the rest.
bool fitsFormat(const PalettePicture& Palette, ColourFormat Format) {
    return Palette.count() == PaletteEntryCount(Format);
}

} // namespace

bool EditSession::rueColorwithAplpha1Click(ColourFormat F) {
    if (PaletteEntryCount(F) == 0 && F != 24 && F != 32) return false;
    IconImage& image = m_document.ActiveImage();
    if (F == image.Format) return false;

    // Read before anything changes: without its palette the image cannot
    // take the format at all.
    PalettePicture palette;
    if (F < 24) {
        try {
            palette = DefaultPalette(F, m_programFolder);
        } catch (const DataFileError& e) {
            m_prompter.message(e.message(), MessageKind::Error, mbOK);
            return false;
        }
    }

    // A floating selection lands where it is, as its own step, so that the
    // question below and the new palette see the whole picture.
    DropSelection();
    endPendingShape();
    if (m_tools->controller().currentDrawsHoverPreview()) reset();

    if (F < image.Format && F < 24) {
        switch (m_prompter.message(tr("Do you want to create a palette from source icon?"),
                                   MessageKind::Confirmation, mbYesNoCancel)) {
        case MessageAnswer::Yes:
            PaletteFromImage(m_workBitmap, PaletteEntryCount(F), palette);
            break;
        case MessageAnswer::No:
            break;
        default:
            return false;
        }
    }
    if (F >= 24) palette = readColourChart();

    image.Format = F;
    image.Palette = std::move(palette);
    image.Caption = ImageCaption(m_workBitmap.Width, m_workBitmap.Height, F);
    RebuildColoursBox();
    // Snapped to the new palette and recorded as one step: undo brings back
    // the old format, palette and colours together.
    finishEdit(true);
    updateCommandStates();
    m_workBitmap.Blend = m_tools->options().Blen;
    m_cleanBitmap.Blend = m_tools->options().Blen;
    if (F < 24) fitColoursToPalette();
    setModified(true);
    emit formatChanged();
    emit workChanged();
    return true;
}

void EditSession::PalAExecute() {
    if (!m_palettePrompt || m_document.ActiveImage().Format >= 24) return;
    if (const std::optional<PalettePicture> palette =
            m_palettePrompt->askPalette(m_document.ActiveImage().Palette))
        paletteConfigured(*palette);
}

bool EditSession::paletteConfigured(const PalettePicture& Palette) {
    IconImage& image = m_document.ActiveImage();
    if (image.Format >= 24 || !fitsFormat(Palette, image.Format)) {
        m_prompter.message(
            tr("The palette must have exactly %1 colors.").arg(PaletteEntryCount(image.Format)),
            MessageKind::Error, mbOK);
        return false;
    }
    image.Palette = PalettePicture(Palette.picture().copy(0, 0, 1, Palette.count()));
    RebuildColoursBox();
    // A floating selection must hold only colours of the new palette too,
    // or dropping it would bring the old ones back.
    finishFloatingEffect();
    finishEdit(true);
    fitColoursToPalette();
    emit workChanged();
    return true;
}
