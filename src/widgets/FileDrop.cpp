#include "widgets/FileDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

FileDrop::FileDrop(QWidget* Target, Handler OnDrop) : QObject(Target), m_onDrop(std::move(OnDrop)) {
    Target->setAcceptDrops(true);
    Target->installEventFilter(this);
}

QStringList FileDrop::localFiles(const QMimeData* Data) {
    QStringList paths;
    if (!Data || !Data->hasUrls()) return paths;
    for (const QUrl& url : Data->urls()) {
        if (!url.isLocalFile()) return {};
        paths << url.toLocalFile();
    }
    return paths;
}

bool FileDrop::eventFilter(QObject* Watched, QEvent* Event) {
    switch (Event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(Event);
        if (localFiles(drag->mimeData()).isEmpty()) {
            drag->ignore();
        } else {
            // The files are read, never moved away from their folder.
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(Event);
        const QStringList paths = localFiles(drop->mimeData());
        if (paths.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        QTimer::singleShot(0, this, [this, paths] { m_onDrop(paths); });
        return true;
    }
    default:
        return QObject::eventFilter(Watched, Event);
    }
}
