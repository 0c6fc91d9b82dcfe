#include "app/ProgramCursors.h"

#include "document/IconFileReader.h"

#include <QDir>
#include <QPixmap>
#include <algorithm>

namespace {

const char* const FileNames[ProgramCursors::Count] = {
    "brush.cur", "cross.cur", "move.cur",  "patil.cur", "pencil.cur", "pick.cur", "hot.cur",
    "text.cur",  "sizer.cur", "sizeb.cur", "sizec.cur", "spray.cur",  "zoom.cur",
};

} // namespace

const char* ProgramCursors::fileName(int Number) {
    if (Number < First || Number > Last) return nullptr;
    return FileNames[Number - First];
}

std::optional<QCursor> ProgramCursors::readCursorFile(const QString& Path) {
    try {
        // The marker colours do not matter here: only alpha decides what shows.
        const IconFileContents contents = LoadIconFile(Path, TransparencySettings());
        const IconImage& image = *contents.Images.front();
        // Screen-inverting pixels have no equivalent in a colour cursor; they
        // come out see-through like the transparent ones.
        const QImage picture = image.Pixels.toImage();
        const int x = std::min<int>(image.HotSpotX, picture.width() - 1);
        const int y = std::min<int>(image.HotSpotY, picture.height() - 1);
        return QCursor(QPixmap::fromImage(picture), x, y);
    } catch (const FileError&) {
        return std::nullopt;
    }
}

void ProgramCursors::load(const QString& ProgramFolder) {
    const QDir folder(QDir(ProgramFolder).filePath(QStringLiteral("Cursors")));
    for (int n = First; n <= Last; ++n)
        m_cursors[std::size_t(n - First)] =
            readCursorFile(folder.filePath(QLatin1String(fileName(n))));
}

QCursor ProgramCursors::cursor(int Number) const {
    if (!isLoaded(Number)) return QCursor(Qt::ArrowCursor);
    return *m_cursors[std::size_t(Number - First)];
}

bool ProgramCursors::isLoaded(int Number) const {
    return Number >= First && Number <= Last && m_cursors[std::size_t(Number - First)].has_value();
}
