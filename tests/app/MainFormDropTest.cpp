#include "MainFormTestSupport.h"
#include "document/IconFileWriter.h"
#include "images/ui/ImageListPanel.h"

#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QUrl>

namespace {

// Files dragged from a file manager onto the window or its image list, as
// the window system hands them over: an enter, then the drop.
class MainFormDropTest : public MainFormTest {
protected:
    // An icon with Count images of Side x Side pixels.
    QString icon(const QString& Name, int Side, int Count = 1) {
        std::vector<std::unique_ptr<IconImage>> images;
        for (int i = 0; i < Count; ++i) {
            images.push_back(std::make_unique<IconImage>());
            images.back()->Pixels = TBitmap32(Side, Side);
        }
        const QString path = m_files.filePath(Name);
        SaveIconFile(path, IconFileType, images, TransparencySettings());
        return path;
    }
    QString notIcon() {
        const QString path = m_files.filePath(QStringLiteral("notes.txt"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not an icon\n");
        return path;
    }

    // Drags Urls onto Target and drops them; false when the drag was refused.
    bool drop(QWidget* Target, const QList<QUrl>& Urls) {
        QMimeData data;
        data.setUrls(Urls);
        const QPoint at(Target->width() / 2, Target->height() / 2);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Target, &dropped);
        EXPECT_TRUE(dropped.isAccepted());
        EXPECT_EQ(dropped.dropAction(), Qt::CopyAction);
        // The files are opened once the drop has been answered.
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    }
    bool drop(QWidget* Target, const QStringList& Paths) {
        QList<QUrl> urls;
        for (const QString& p : Paths)
            urls << QUrl::fromLocalFile(p);
        return drop(Target, urls);
    }

    QWidget* list() { return form().imageList()->IconsList()->viewport(); }
    const IconDocument& document() { return form().session().document(); }
    std::vector<int> widths() {
        std::vector<int> w;
        for (int i = 0; i < document().ImageCount(); ++i)
            w.push_back(document().image(i).Pixels.Width);
        return w;
    }

    QTemporaryDir m_files;
};

} // namespace

// On the window a dropped icon is opened like Open opens it: unsaved changes
// are offered for saving first, and a Cancel keeps everything.
TEST_F(MainFormDropTest, FileOnTheWindowIsOpened) {
    const QString a = icon(QStringLiteral("a.ico"), 16), b = icon(QStringLiteral("b.ico"), 48, 2);
    TMainForm& f = form();
    ASSERT_TRUE(drop(list(), QStringList{a})); // adds an image: unsaved changes
    ASSERT_TRUE(document().Modified);

    prompts.answer(MessageAnswer::Cancel);
    ASSERT_TRUE(drop(&f, QStringList{b}));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].Text, QStringLiteral("Save changes?"));
    EXPECT_EQ(widths(), (std::vector<int>{32, 16}));

    prompts.answer(MessageAnswer::No);
    ASSERT_TRUE(drop(&f, QStringList{b}));
    EXPECT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(document().FileName, b);
    EXPECT_EQ(widths(), (std::vector<int>{48, 48}));
    EXPECT_FALSE(document().Modified);
}

// The window holds one document: of two files the first is opened. The image
// list takes the images of every file, in the order they were dragged.
TEST_F(MainFormDropTest, TwoFiles) {
    const QString a = icon(QStringLiteral("a.ico"), 16), b = icon(QStringLiteral("b.ico"), 48, 2);
    TMainForm& f = form();
    ASSERT_TRUE(drop(&f, QStringList{a, b}));
    EXPECT_EQ(document().FileName, a);
    EXPECT_EQ(widths(), (std::vector<int>{16}));

    ASSERT_TRUE(drop(list(), QStringList{b, a}));
    EXPECT_EQ(widths(), (std::vector<int>{16, 48, 48, 16}));
    EXPECT_EQ(document().FileName, a);
    EXPECT_TRUE(document().Modified);
    EXPECT_TRUE(prompts.messages.empty());
}

// A file that is no icon gets the message Open gives it and changes nothing,
// on either target; the icons dropped with it still count. Drags that carry
// no local files are not taken at all.
TEST_F(MainFormDropTest, AnythingElseIsRefused) {
    const QString a = icon(QStringLiteral("a.ico"), 16), text = notIcon();
    TMainForm& f = form();
    const struct {
        const char* What;
        QWidget* Target;
        QStringList Paths;
        std::vector<int> Widths;
    } cases[] = {
        {"a text file on the window", &f, {text}, {32}},
        {"a text file on the list", list(), {text}, {32}},
        {"a text file and an icon on the list", list(), {text, a}, {32, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        prompts.messages.clear();
        prompts.answer(MessageAnswer::OK);
        ASSERT_TRUE(drop(c.Target, c.Paths));
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].Kind, MessageKind::Error);
        EXPECT_TRUE(prompts.messages[0].Text.contains(QStringLiteral("notes.txt")))
            << prompts.messages[0].Text.toStdString();
        EXPECT_EQ(widths(), c.Widths);
        EXPECT_TRUE(document().FileName.isEmpty());
    }

    prompts.messages.clear();
    for (QWidget* target : {static_cast<QWidget*>(&f), list()}) {
        EXPECT_FALSE(drop(target, QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.ico"))}));
        EXPECT_FALSE(drop(target, QList<QUrl>{}));
    }
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(widths(), (std::vector<int>{32, 16}));
}
