#include "MainFormTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <map>

namespace {

// This program runs the window at device pixel ratio 2, as on a high-density
// screen, and once more as a child process at ratio 1 to compare with. The
// ratio has to be in place before main() creates the application.
const char* const LayoutOut = "BRISEL_LAYOUT_OUT";
const bool s_ratioSet =
    qputenv("QT_SCALE_FACTOR", qEnvironmentVariableIsSet(LayoutOut) ? "1" : "2");

using Layout = std::map<QString, QRect>;

// Where every named, visible widget of the window lies, in the window's
// logical coordinates.
Layout layoutOf(TMainForm& Form) {
    Layout out;
    for (QWidget* w : Form.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisible() || w->isWindow()) continue;
        out[w->objectName()] = QRect(w->mapTo(&Form, QPoint(0, 0)), w->size());
    }
    return out;
}

// Shown, then at its first-start size: the test platform's screen is 800
// pixels square, 400 logical ones at ratio 2, where the window would come up
// fitted to the smaller screen.
void showSettled(TMainForm& Form) {
    Form.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    Form.resize(712, 550);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void writeLayout(TMainForm& Form, const QString& Path) {
    showSettled(Form);
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    QTextStream text(&file);
    for (const auto& [name, r] : layoutOf(Form))
        text << name << ' ' << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height()
             << '\n';
}

} // namespace

// The window at ratio 2 is laid out as at ratio 1: every part has the same
// place and size in logical pixels, so nothing is cramped or cut off.
// The same test, run again in a child process at ratio 1, writes the layout
// there instead.
TEST_F(MainFormTest, WindowAtRatioTwo) {
    ASSERT_TRUE(s_ratioSet);
    if (qEnvironmentVariableIsSet(LayoutOut)) {
        writeLayout(form(), qEnvironmentVariable(LayoutOut));
        return;
    }
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("layout.txt"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(LayoutOut), out);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=MainFormTest.WindowAtRatioTwo")});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    Layout atOne;
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream text(&file);
    while (!text.atEnd()) {
        QString name;
        int x, y, w, h;
        text >> name >> x >> y >> w >> h;
        if (!name.isEmpty()) atOne[name] = QRect(x, y, w, h);
    }
    ASSERT_GT(atOne.size(), 20u);

    TMainForm& f = form();
    showSettled(f);
    ASSERT_EQ(f.devicePixelRatioF(), 2.0);
    const Layout atTwo = layoutOf(f);
    for (const auto& [name, r] : atOne) {
        SCOPED_TRACE(name.toStdString());
        const auto found = atTwo.find(name);
        ASSERT_NE(found, atTwo.end());
        EXPECT_EQ(found->second, r);
    }
}
