// Another program that files are dragged from, as a file manager would:
//   brisel_drag_source FILE
// A small window in one plain colour (magenta, so a test can find it on the
// screen); a press in it starts a drag of FILE as a file URL. It prints
// "ready" once its window is on the screen, "pressed" when the drag starts
// and "dragged <accepted|ignored>" when it has ended.

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QWidget>
#include <cstdio>

class DragSource : public QWidget {
public:
    explicit DragSource(QString File) : m_file(std::move(File)) {
        setWindowTitle(QStringLiteral("drag source"));
        resize(160, 120);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(255, 0, 255));
        if (!m_shown) {
            m_shown = true;
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
    void mousePressEvent(QMouseEvent* Event) override {
        if (Event->button() != Qt::LeftButton) return;
        std::printf("pressed\n");
        std::fflush(stdout);
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QFileInfo(m_file).absoluteFilePath())});
        auto* drag = new QDrag(this);
        drag->setMimeData(data);
        const Qt::DropAction done = drag->exec(Qt::CopyAction);
        std::printf("dragged %s\n", done == Qt::IgnoreAction ? "ignored" : "accepted");
        std::fflush(stdout);
    }

private:
    QString m_file;
    bool m_shown = false;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    DragSource source(QString::fromLocal8Bit(argv[1]));
    source.show();
    return app.exec();
}
