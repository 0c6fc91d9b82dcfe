#include "session/CursorThemeEditor.h"

#include "cursortheme/CursorThemeExport.h"
#include "cursortheme/CursorThemeImport.h"
#include "cursortheme/InstallInf.h"
#include "document/file/AnyCursorFile.h"
#include "document/file/CursorSizes.h"
#include "document/file/IconCodecError.h"
#include "session/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

const char* const CursorThemeEditor::CursorFilter =
    "Cursors (*.cur;*.ani;*.ico;X cursors)|*|Windows cursor (*.cur)|*.cur|Animated cursor "
    "(*.ani)|*.ani|Windows icon (*.ico)|*.ico";
const char* const CursorThemeEditor::ThemeFilter =
    "Cursor theme (index.theme)|index.theme|Windows scheme (install.inf)|*.inf";

namespace {

QString tr(const char* Text) { return QCoreApplication::translate("CursorThemeEditor", Text); }

QByteArray readAll(const QString& Path, QString& Error) {
    QFile f(Path);
    if (!f.open(QIODevice::ReadOnly)) {
        Error = QStringLiteral("Cannot open file \"%1\". %2")
                    .arg(QDir::toNativeSeparators(Path), f.errorString());
        return QByteArray();
    }
    return f.readAll();
}

} // namespace

CursorThemeEditor::CursorThemeEditor(Prompter& Prompts, TransparencySettings Settings)
    : m_prompter(Prompts), m_settings(Settings), m_sizes(DefaultCursorSizes()) {
    for (const CursorRole& r : CursorRoles())
        m_slots.push_back({&r, QString(), XcursorContents()});
}

int CursorThemeEditor::slotOf(const CursorRole* Role) const {
    for (std::size_t i = 0; i < m_slots.size(); ++i)
        if (m_slots[i].Role == Role) return int(i);
    return -1;
}

void CursorThemeEditor::error(const QString& Text) {
    m_prompter.message(Text, MessageKind::Error, mbOK);
}

bool CursorThemeEditor::assignFile(int Index, const QString& Path) {
    if (Index < 0 || Index >= int(m_slots.size())) return false;
    QString failure;
    const QByteArray bytes = readAll(Path, failure);
    if (!failure.isEmpty()) {
        error(failure);
        return false;
    }
    AnyCursor cursor;
    try {
        cursor = DecodeAnyCursor(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 std::size_t(bytes.size()),
                                 QDir::toNativeSeparators(Path).toStdString(), m_settings);
    } catch (const IconCodecError& e) {
        error(QString::fromStdString(e.what()));
        return false;
    }
    if (cursor.InvertedPixels > 0)
        m_prompter.message(
            tr("%1 has screen-inverting pixels, which a cursor theme cannot show: they are "
               "drawn dark with a light outline.")
                .arg(QFileInfo(Path).fileName()),
            MessageKind::Information, mbOK);
    m_slots[std::size_t(Index)].File = Path;
    m_slots[std::size_t(Index)].Cursor = std::move(cursor.Contents);
    m_previews.clear();
    return true;
}

bool CursorThemeEditor::chooseFile(int Index) {
    FileDialogRequest request;
    request.Title = tr("Open");
    request.Filter = QLatin1String(CursorFilter);
    const std::optional<FileChoice> choice = m_prompter.openFile(request);
    return choice && assignFile(Index, choice->FileName);
}

void CursorThemeEditor::clearSlot(int Index) {
    if (Index < 0 || Index >= int(m_slots.size())) return;
    m_slots[std::size_t(Index)].File.clear();
    m_slots[std::size_t(Index)].Cursor = XcursorContents();
    m_previews.clear();
}

QString CursorThemeEditor::sizesText() const {
    QStringList parts;
    for (std::uint32_t s : m_sizes)
        parts << QString::number(s);
    return parts.join(QStringLiteral(", "));
}

bool CursorThemeEditor::setSizesText(const QString& Text) {
    std::vector<std::uint32_t> sizes;
    for (const QString& part : Text.split(QRegularExpression(QStringLiteral("[,;\\s]+")),
                                          Qt::SkipEmptyParts)) {
        bool ok = false;
        const int s = part.toInt(&ok);
        if (!ok || s < 1 || s > 256) return false;
        if (std::find(sizes.begin(), sizes.end(), std::uint32_t(s)) == sizes.end())
            sizes.push_back(std::uint32_t(s));
    }
    if (sizes.empty()) return false;
    std::sort(sizes.begin(), sizes.end());
    m_sizes = sizes;
    m_previews.clear();
    return true;
}

std::vector<const CursorRole*> CursorThemeEditor::givenRoles() const {
    std::vector<const CursorRole*> given;
    for (const Slot& s : m_slots)
        if (!s.Cursor.Images.empty()) given.push_back(s.Role);
    return given;
}

const CursorRole* CursorThemeEditor::servingRole(int Index) const {
    if (Index < 0 || Index >= int(m_slots.size())) return nullptr;
    return ServingRole(*m_slots[std::size_t(Index)].Role, givenRoles());
}

const std::vector<XcursorImage>* CursorThemeEditor::madeFrames(int Index,
                                                               std::uint32_t Size) const {
    const CursorRole* serving = servingRole(Index);
    if (!serving) return nullptr;
    const int from = slotOf(serving);
    const auto key = std::make_pair(from, Size);
    auto it = m_previews.find(key);
    if (it == m_previews.end())
        it = m_previews.emplace(key, MakeCursorSizes(m_slots[std::size_t(from)].Cursor.Images, {Size}))
                 .first;
    return it->second.empty() ? nullptr : &it->second;
}

std::optional<XcursorImage> CursorThemeEditor::preview(int Index, std::uint32_t Size) const {
    const std::vector<XcursorImage>* frames = madeFrames(Index, Size);
    if (!frames) return std::nullopt;
    return frames->front();
}

std::optional<XcursorImage> CursorThemeEditor::previewAt(int Index, std::uint32_t Size,
                                                         std::uint64_t At) const {
    const std::vector<XcursorImage>* frames = madeFrames(Index, Size);
    if (!frames) return std::nullopt;
    return *FrameShowingAt(FramesOfSize(*frames, Size), At);
}

int CursorThemeEditor::frameCount(int Index) const {
    const CursorRole* serving = servingRole(Index);
    if (!serving) return 0;
    const std::vector<XcursorImage>& images = m_slots[std::size_t(slotOf(serving))].Cursor.Images;
    const std::vector<std::uint32_t> sizes = NominalSizes(images);
    return sizes.empty() ? 0 : int(FramesOfSize(images, sizes.back()).size());
}

bool CursorThemeEditor::exportClick() {
    FileDialogRequest request;
    request.Title = tr("Export Cursor Theme");
    request.FileName = QDir::home().filePath(QStringLiteral(".icons/") + Name);
    const std::optional<FileChoice> choice = m_prompter.saveFile(request);
    if (!choice) return false;
    const QFileInfo target(choice->FileName);
    Name = target.fileName();
    return exportTo(target.absolutePath());
}

bool CursorThemeEditor::exportTo(const QString& Folder) {
    CursorThemePlan plan;
    plan.Name = Name.toStdString();
    plan.Comment = Comment.toStdString();
    plan.Inherits = Inherits.toStdString();
    plan.Sizes = m_sizes;
    for (const Slot& s : m_slots)
        if (!s.Cursor.Images.empty()) plan.Cursors.push_back({s.Role, s.Cursor});
    if (plan.Cursors.empty()) {
        error(tr("Give at least one role a cursor first."));
        return false;
    }
    CursorThemeLayout layout;
    try {
        layout = LayOutCursorTheme(plan);
        WriteCursorTheme(Folder.toStdString(), plan.Name, layout);
    } catch (const std::exception& e) {
        error(tr("The cursor theme could not be written. %1").arg(QString::fromStdString(e.what())));
        return false;
    }
    QStringList missing;
    for (const CursorRole* r : layout.Missing)
        if (r->inScheme()) missing << QString::fromStdString(r->Title);
    if (!missing.isEmpty())
        m_prompter.message(tr("The theme has no cursor for: %1. Desktops take these from the "
                              "theme it inherits from, or from their default theme.")
                               .arg(missing.join(QStringLiteral(", "))),
                           MessageKind::Information, mbOK);
    return true;
}

bool CursorThemeEditor::importClick() {
    FileDialogRequest request;
    request.Title = tr("Import Cursor Theme");
    request.Filter = QLatin1String(ThemeFilter);
    const std::optional<FileChoice> choice = m_prompter.openFile(request);
    if (!choice) return false;
    if (choice->FileName.endsWith(QStringLiteral(".inf"), Qt::CaseInsensitive))
        return loadInstallInf(choice->FileName);
    return importFrom(QFileInfo(choice->FileName).absolutePath());
}

bool CursorThemeEditor::importFrom(const QString& ThemeFolder) {
    ImportedTheme theme;
    try {
        theme = ReadCursorTheme(ThemeFolder.toStdString());
    } catch (const std::exception& e) {
        error(QString::fromStdString(e.what()));
        return false;
    }
    if (theme.Roles.empty()) {
        error(tr("\"%1\" holds no cursor of a known role.").arg(QDir::toNativeSeparators(ThemeFolder)));
        return false;
    }
    for (std::size_t i = 0; i < m_slots.size(); ++i)
        clearSlot(int(i));
    for (const ImportedRole& r : theme.Roles) {
        Slot& s = m_slots[std::size_t(slotOf(r.Role))];
        s.File = QString::fromStdString(r.Path);
        s.Cursor = r.Cursor;
    }
    if (!theme.Name.empty()) Name = QString::fromStdString(theme.Name);
    Comment = QString::fromStdString(theme.Comment);
    Inherits = QString::fromStdString(theme.Inherits);
    if (!theme.Unreadable.empty()) {
        QStringList reasons;
        for (const std::string& r : theme.Unreadable)
            reasons << QString::fromStdString(r);
        m_prompter.message(reasons.join(QLatin1Char('\n')), MessageKind::Warning, mbOK);
    }
    return true;
}

bool CursorThemeEditor::loadInstallInf(const QString& Path) {
    QString failure;
    const QByteArray bytes = readAll(Path, failure);
    if (!failure.isEmpty()) {
        error(failure);
        return false;
    }
    InstallInfScheme scheme;
    try {
        scheme = ParseInstallInf(bytes.toStdString());
    } catch (const std::exception& e) {
        error(QDir::toNativeSeparators(Path) + QStringLiteral(": ") + QString::fromStdString(e.what()));
        return false;
    }
    const QDir folder = QFileInfo(Path).absoluteDir();
    const QStringList entries = folder.entryList(QDir::Files);
    bool any = false;
    for (const InstallInfScheme::Slot& s : scheme.Slots) {
        const QString wanted = QString::fromStdString(s.File);
        QString found;
        for (const QString& e : entries)
            if (e.compare(wanted, Qt::CaseInsensitive) == 0) found = folder.filePath(e);
        if (found.isEmpty()) {
            error(tr("The scheme's file %1 is not beside %2.")
                      .arg(wanted, QDir::toNativeSeparators(Path)));
            continue;
        }
        any = assignFile(slotOf(s.Role), found) || any;
    }
    if (!scheme.Name.empty()) Name = QString::fromStdString(scheme.Name);
    return any;
}
