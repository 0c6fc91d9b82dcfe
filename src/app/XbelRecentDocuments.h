#pragma once

#include "app/RecentDocuments.h"

#include <QDateTime>
#include <QString>

// The freedesktop.org recently-used list: "recently-used.xbel" in
// $XDG_DATA_HOME (or ~/.local/share). The file is shared with every other
// program of the desktop, so it is rewritten through a temporary file that
// replaces it whole, every other entry kept as it was. A file that cannot be
// parsed is left alone rather than replaced by one holding only our entry.
class XbelRecentDocuments : public RecentDocuments {
public:
    // Application names the entries this program adds; Exec is the command
    // line the desktop runs to open one ("%u" stands for the file's URL).
    explicit XbelRecentDocuments(QString Application = QStringLiteral("Brisel"),
                                 QString Exec = QStringLiteral("'brisel %u'"));

    bool noteRecentDocument(const QString& Path) override;

    // Where the list lives, read from the environment at every call.
    static QString listPath();

    // The rewrite itself, exposed for tests: Existing is the current file
    // (empty when there is none); an empty result means it could not be parsed.
    QByteArray updatedList(const QByteArray& Existing, const QString& Path, const QString& MimeType,
                           const QDateTime& Now) const;

private:
    QString m_application;
    QString m_exec;
};
