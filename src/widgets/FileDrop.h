#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

// Lets files from a file manager be dropped on a widget. A drag is taken
// when it carries local files only; once dropped, the files' paths go to the
// handler in the order they were dragged. The handler runs after the drop has
// been answered, from the event loop, so any question or message it shows
// never holds up the program the files were dragged from.
class FileDrop : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const QStringList& Paths)>;

    // Target starts accepting drops; the filter lives as long as Target.
    FileDrop(QWidget* Target, Handler OnDrop);

    // The local files a drag carries; empty when it carries anything else.
    static QStringList localFiles(const QMimeData* Data);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    Handler m_onDrop;
};
