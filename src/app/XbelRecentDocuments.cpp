#include "app/XbelRecentDocuments.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString BookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString MetadataOwner = QStringLiteral("http://freedesktop.org");

// The list is far smaller than this on any desktop; a bigger file is not ours
// to rewrite.
constexpr qint64 MaxListSize = qint64(64) << 20;

QString stamp(const QDateTime& T) {
    return T.toUTC().toString(Qt::ISODateWithMs);
}

bool sameFile(QStringView Href, const QString& Path) {
    const QUrl url(Href.toString());
    return url.isLocalFile() && QDir::cleanPath(url.toLocalFile()) == QDir::cleanPath(Path);
}

// Copies the list token by token and touches only the entry of one file: its
// times, and this program's line among the applications that used it.
class ListRewriter {
public:
    ListRewriter(const QByteArray& In, QByteArray& Out, const QString& Path,
                 const QString& MimeType, const QString& Application, const QString& Exec,
                 const QDateTime& Now)
        : m_in(In), m_out(&Out), m_path(Path), m_mime(MimeType), m_app(Application), m_exec(Exec),
          m_now(stamp(Now)) {}

    bool run() {
        while (!m_in.atEnd()) {
            m_in.readNext();
            if (m_in.hasError()) return false;
            switch (m_in.tokenType()) {
            case QXmlStreamReader::StartElement:
                ++m_depth;
                startElement();
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                --m_depth;
                break;
            default:
                m_out.writeCurrentToken(m_in);
                break;
            }
        }
        return m_sawRoot;
    }

    // A list of one entry, for a desktop that has none yet.
    void writeFresh() {
        m_out.writeStartDocument();
        m_out.writeCharacters(QStringLiteral("\n"));
        m_out.writeStartElement(QStringLiteral("xbel"));
        m_out.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
        declareNamespaces();
        writeBookmark(QStringLiteral("\n  "));
        m_out.writeCharacters(QStringLiteral("\n"));
        m_out.writeEndElement();
        m_out.writeCharacters(QStringLiteral("\n"));
        m_out.writeEndDocument();
    }

private:
    bool is(const QString& Ns, const char* Name) const {
        return m_in.namespaceUri() == Ns && m_in.name() == QLatin1String(Name);
    }

    void declareNamespaces() {
        m_out.writeNamespace(BookmarkNs, QStringLiteral("bookmark"));
        m_out.writeNamespace(MimeNs, QStringLiteral("mime"));
    }

    void startElement() {
        if (m_depth == 1) {
            m_sawRoot = true;
            m_out.writeCurrentToken(m_in);
            // Our lines use both namespaces; declare them where the file did not.
            bool bookmark = false, mime = false;
            for (const auto& d : m_in.namespaceDeclarations()) {
                bookmark |= d.namespaceUri() == BookmarkNs;
                mime |= d.namespaceUri() == MimeNs;
            }
            if (!bookmark) m_out.writeNamespace(BookmarkNs, QStringLiteral("bookmark"));
            if (!mime) m_out.writeNamespace(MimeNs, QStringLiteral("mime"));
            return;
        }
        if (m_depth == 2 && is(QString(), "bookmark") &&
            sameFile(m_in.attributes().value(QLatin1String("href")), m_path) && !m_found) {
            m_found = true;
            m_oursDepth = m_depth;
            m_out.writeStartElement(QStringLiteral("bookmark"));
            for (const QXmlStreamAttribute& a : m_in.attributes()) {
                if (a.qualifiedName() == QLatin1String("modified") ||
                    a.qualifiedName() == QLatin1String("visited"))
                    continue;
                m_out.writeAttribute(a);
            }
            m_out.writeAttribute(QStringLiteral("modified"), m_now);
            m_out.writeAttribute(QStringLiteral("visited"), m_now);
            return;
        }
        if (m_oursDepth > 0) {
            if (m_depth == m_oursDepth + 1 && is(QString(), "info")) m_infoDepth = m_depth;
            if (is(BookmarkNs, "applications")) m_inApplications = true;
            if (m_inApplications && is(BookmarkNs, "application") &&
                m_in.attributes().value(QLatin1String("name")) == m_app) {
                m_wroteApplication = true;
                writeUpdatedApplication();
                return;
            }
        }
        m_out.writeCurrentToken(m_in);
    }

    void endElement() {
        if (m_oursDepth > 0) {
            if (m_inApplications && is(BookmarkNs, "applications")) {
                if (!m_wroteApplication) writeApplication(1);
                m_wroteApplication = true;
                m_inApplications = false;
            } else if (m_depth == m_infoDepth && !m_wroteApplication) {
                writeMetadata();
                m_wroteApplication = true;
            } else if (m_depth == m_oursDepth) {
                if (!m_wroteApplication) writeInfo();
                m_oursDepth = 0;
                m_infoDepth = 0;
            }
        }
        if (m_depth == 1 && !m_found) {
            writeBookmark(QStringLiteral("  "));
            m_out.writeCharacters(QStringLiteral("\n"));
        }
        m_out.writeCurrentToken(m_in);
    }

    void writeUpdatedApplication() {
        bool ok = false;
        const int count = m_in.attributes().value(QLatin1String("count")).toInt(&ok);
        m_out.writeStartElement(BookmarkNs, QStringLiteral("application"));
        for (const QXmlStreamAttribute& a : m_in.attributes()) {
            if (a.qualifiedName() == QLatin1String("modified") ||
                a.qualifiedName() == QLatin1String("count"))
                continue;
            m_out.writeAttribute(a);
        }
        m_out.writeAttribute(QStringLiteral("modified"), m_now);
        m_out.writeAttribute(QStringLiteral("count"),
                             QString::number(ok && count > 0 ? count + 1 : 1));
    }

    void writeApplication(int Count) {
        m_out.writeEmptyElement(BookmarkNs, QStringLiteral("application"));
        m_out.writeAttribute(QStringLiteral("name"), m_app);
        m_out.writeAttribute(QStringLiteral("exec"), m_exec);
        m_out.writeAttribute(QStringLiteral("modified"), m_now);
        m_out.writeAttribute(QStringLiteral("count"), QString::number(Count));
    }

    void writeMetadata() {
        m_out.writeStartElement(QStringLiteral("metadata"));
        m_out.writeAttribute(QStringLiteral("owner"), MetadataOwner);
        m_out.writeEmptyElement(MimeNs, QStringLiteral("mime-type"));
        m_out.writeAttribute(QStringLiteral("type"), m_mime);
        m_out.writeStartElement(BookmarkNs, QStringLiteral("applications"));
        writeApplication(1);
        m_out.writeEndElement();
        m_out.writeEndElement();
    }

    void writeInfo() {
        m_out.writeStartElement(QStringLiteral("info"));
        writeMetadata();
        m_out.writeEndElement();
    }

    void writeBookmark(const QString& Indent) {
        m_out.writeCharacters(Indent);
        m_out.writeStartElement(QStringLiteral("bookmark"));
        m_out.writeAttribute(QStringLiteral("href"),
                             QString::fromLatin1(QUrl::fromLocalFile(m_path).toEncoded()));
        m_out.writeAttribute(QStringLiteral("added"), m_now);
        m_out.writeAttribute(QStringLiteral("modified"), m_now);
        m_out.writeAttribute(QStringLiteral("visited"), m_now);
        writeInfo();
        m_out.writeEndElement();
    }

    QXmlStreamReader m_in;
    QXmlStreamWriter m_out;
    QString m_path;
    QString m_mime;
    QString m_app;
    QString m_exec;
    QString m_now;
    int m_depth = 0;
    int m_oursDepth = 0; // depth of the entry being updated, 0 outside it
    int m_infoDepth = 0;
    bool m_sawRoot = false;
    bool m_found = false;
    bool m_inApplications = false;
    bool m_wroteApplication = false;
};

} // namespace

XbelRecentDocuments::XbelRecentDocuments(QString Application, QString Exec)
    : m_application(std::move(Application)), m_exec(std::move(Exec)) {}

QString XbelRecentDocuments::listPath() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(base).filePath(QStringLiteral("recently-used.xbel"));
}

QByteArray XbelRecentDocuments::updatedList(const QByteArray& Existing, const QString& Path,
                                            const QString& MimeType, const QDateTime& Now) const {
    QByteArray out;
    if (Existing.trimmed().isEmpty()) {
        ListRewriter(Existing, out, Path, MimeType, m_application, m_exec, Now).writeFresh();
        return out;
    }
    if (!ListRewriter(Existing, out, Path, MimeType, m_application, m_exec, Now).run()) return {};
    return out;
}

bool XbelRecentDocuments::noteRecentDocument(const QString& Path) {
    const QString absolute = QFileInfo(Path).absoluteFilePath();
    const QString list = listPath();
    QByteArray existing;
    QFile in(list);
    if (in.exists()) {
        if (in.size() > MaxListSize || !in.open(QIODevice::ReadOnly)) return false;
        existing = in.readAll();
        if (in.error() != QFileDevice::NoError) return false;
        in.close();
    }
    const QString mime =
        QMimeDatabase().mimeTypeForFile(absolute, QMimeDatabase::MatchExtension).name();
    const QByteArray updated =
        updatedList(existing, absolute, mime, QDateTime::currentDateTimeUtc());
    if (updated.isEmpty()) return false;

    if (!QDir().mkpath(QFileInfo(list).absolutePath())) return false;
    QSaveFile out(list);
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(updated) != updated.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
