#include "session/EditSession.h"

#include "document/PictureSizeSet.h"
#include "session/SessionTools.h"

#include <QDir>
#include <QImageReader>

// Images are kept in the file as they came: PNG pictures as PNG, bitmaps as
// bitmaps. The user may change that for a 32-bit image below 256 pixels
// (those of 256 are always PNG); it changes the file, not a pixel, and is
// undone like any other change.
void EditSession::StoredAsPng1Click() {
    IconImage& image = m_document.ActiveImage();
    if (!storageChoosable(image)) return;
    endPendingShape();
    // The selection lands as its own step, as before any other change.
    DropSelection();
    if (m_tools->controller().currentDrawsHoverPreview()) reset();
    image.StoredAsPng = !IconFile::WrittenAsPng(image.Pixels.Width, image.Pixels.Height,
                                                image.Format, image.StoredAsPng);
    PushUndo();
    emit workChanged();
}

bool EditSession::storageChoosable(const IconImage& Image) {
    return Image.Format == 32 && !IconFile::StoredAsPng(Image.Pixels.Width, Image.Pixels.Height);
}

void EditSession::NewFromPicture1Click() {
    FileDialogRequest request;
    request.Title = tr("New from Picture");
    request.Filter = tr("Pictures|*.png;*.bmp;*.jpg;*.jpeg;*.gif;*.ppm;*.xpm;*.ico;*.cur|"
                        "All files|*");
    const std::optional<FileChoice> choice = m_prompter.openFile(request);
    if (!choice) return;
    // The picture is read before anything else, like a file being opened:
    // one that cannot be read costs nothing.
    QImageReader reader(choice->FileName);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        m_prompter.message(
            tr("Cannot read picture \"%1\". %2")
                .arg(QDir::toNativeSeparators(choice->FileName), reader.errorString()),
            MessageKind::Error, mbOK);
        return;
    }
    if (ConfirmSaveChanges()) return;
    emit openingDocument();

    IconDocument::ImageList images = PictureSizeSet(picture, readColourChart());
    m_document.replaceImages(std::move(images));
    m_document.FileName.clear();
    m_document.FileType = IconFileType;
    showOpenedDocument();
    // Nothing of it is in a file yet.
    m_document.Modified = true;
    updateCommandStates();
    emit captionChanged(windowCaption());
}
