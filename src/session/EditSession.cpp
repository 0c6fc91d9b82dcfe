#include "session/EditSession.h"

#include "session/DesktopClipboard.h"
#include "session/SessionEffects.h"
#include "session/SessionFrames.h"
#include "session/SessionTools.h"

#include <QFileInfo>

EditSession::EditSession(Prompter& Prompts, QString ProgramFolder, QObject* Parent)
    : QObject(Parent), m_prompter(Prompts), m_programFolder(std::move(ProgramFolder)) {
    // Until a Save command is installed, a requested save cannot happen; say
    // so rather than pretend, and keep the changes.
    m_save = [this] {
        m_prompter.message(tr("The document could not be saved: saving is not available."),
                           MessageKind::Error, mbOK);
        return SaveResult::Failed;
    };
    // Connected before the tools, which choose the pencil on the same signal:
    // a selection floating over a document being replaced is thrown away,
    // not dropped into it by the tool change.
    connect(this, &EditSession::openingDocument, this, [this] { discardFloatingSelection(); });
    m_tools = std::make_unique<SessionTools>(*this);
    m_effects = std::make_unique<SessionEffects>(*this);
    m_frames = std::make_unique<SessionFrames>(*this);
    // A new document starts a history of frame edits of its own.
    connect(this, &EditSession::openingDocument, m_frames.get(), &SessionFrames::clear);
}

EditSession::~EditSession() {
    if (m_clipboard) m_clipboard->setChangeListener(nullptr);
}

QString EditSession::windowCaption() const {
    if (m_document.FileName.isEmpty()) return QStringLiteral("Brisel - Untitled");
    return QStringLiteral("Brisel - ") + QFileInfo(m_document.FileName).completeBaseName();
}

void EditSession::showStatus(const QString& Text) {
    emit statusText(Text);
}

void EditSession::updateCommandStates() {
    CommandStates s = m_states;
    s.RemoveIA = m_document.ImageCount() >= 2;
    const IconImage& active = m_document.ActiveImage();
    s.PalA = active.Format < 24;
    s.PasteA = m_clipboard && m_clipboard->hasPicture();
    s.StoredAsPng1 = storageChoosable(active);
    s.StoredAsPng1Checked = IconFile::WrittenAsPng(active.Pixels.Width, active.Pixels.Height,
                                                   active.Format, active.StoredAsPng);
    if (s == m_states) return;
    m_states = s;
    emit commandStatesChanged(m_states);
}

void EditSession::updateUndoStates() {
    // Frame edits have a history of their own, taken up once the image's
    // has nothing left.
    const bool CanUndo = m_undo.canUndo() || m_floating.has_value() || (m_frames && m_frames->canUndo());
    // A floating selection would be lost to a redo, and its drop clears the
    // redo history anyway: while it floats there is nothing to redo.
    const bool CanRedo =
        !m_floating.has_value() && (m_undo.canRedo() || (m_frames && m_frames->canRedo()));
    if (m_states.UndoA == CanUndo && m_states.RedoA == CanRedo) return;
    m_states.UndoA = CanUndo;
    m_states.RedoA = CanRedo;
    emit commandStatesChanged(m_states);
}

void EditSession::loadWorkingCopies(const TBitmap32& Pixels) {
    m_workBitmap.Assign(Pixels);
    m_cleanBitmap.Assign(Pixels);
}
