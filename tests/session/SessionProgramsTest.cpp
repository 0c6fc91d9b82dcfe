#include "files_support.h"
#include "program_builder.h"

#include "document/IconFileReader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

QByteArray qbytes(const Bytes& B) {
    return QByteArray(reinterpret_cast<const char*>(B.data()), qsizetype(B.size()));
}

// A library holding the icon group 7 (a 4-bit and a 32-bit image) and the
// cursor group "POINTER" (two images with hot spots).
class SessionProgramsTest : public SessionFilesTest {
protected:
    SessionProgramsTest() {
        std::vector<TestResource> r = ResourcesOfFile(icons, 1, 7);
        const auto more = ResourcesOfFile(cursor, 10, 0, "POINTER");
        r.insert(r.end(), more.begin(), more.end());
        writeFile(library, qbytes(BuildPeProgram(r, true).Bytes));
    }
    // The images the editor reads from File.
    std::vector<const IconImage*> imagesOf(const Bytes& File) {
        m_kept.push_back(ReadIconFile(qbytes(File), QStringLiteral("x"), transparency));
        std::vector<const IconImage*> out;
        for (const auto& i : m_kept.back().Images)
            out.push_back(i.get());
        return out;
    }
    static void expectSame(const IconImage& A, const IconImage& B) {
        EXPECT_TRUE(A.Pixels.samePixels(B.Pixels));
        EXPECT_EQ(A.Format, B.Format);
        EXPECT_EQ(A.HotSpotX, B.HotSpotX);
        EXPECT_EQ(A.HotSpotY, B.HotSpotY);
        EXPECT_EQ(A.Caption, B.Caption);
    }

    const Bytes icons = MakeIconFile(1, {16, 32}, {4, 32}, 5);
    const Bytes cursor = MakeIconFile(2, {24, 40}, {32, 8}, 6);
    const QString library = path(QStringLiteral("shell.dll"));
    const TransparencySettings transparency;
    std::vector<IconFileContents> m_kept;
};

} // namespace

// Open offers every group and opens the chosen one as a new untitled
// document, its images as stored, hot spots kept; the program is no recent
// file, and closing asks to save the new document.
TEST_F(SessionProgramsTest, OpenTakesTheChosenGroupAsANewDocument) {
    const struct {
        int Chosen;
        const Bytes& File;
        std::uint16_t Type;
    } cases[] = {{1, cursor, 2}, {0, icons, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Chosen);
        const bool second = &c != &cases[0];
        // The second Open asks about the first one's unsaved document.
        if (second) prompts.answer(MessageAnswer::No);
        prompts.groupAnswer(c.Chosen);
        session.OpenAExecute(true, library);
        ASSERT_EQ(prompts.groupOffers.size(), std::size_t(c.Chosen == 1 ? 1 : 2));
        EXPECT_EQ(prompts.groupOffers.back(),
                  (QStringList{QStringLiteral("7"), QStringLiteral("POINTER")}));
        const IconDocument& d = session.document();
        const std::vector<const IconImage*> want = imagesOf(c.File);
        ASSERT_EQ(d.ImageCount(), int(want.size()));
        for (int i = 0; i < d.ImageCount(); ++i)
            expectSame(d.image(i), *want[std::size_t(i)]);
        EXPECT_EQ(d.FileType, c.Type);
        EXPECT_TRUE(d.FileName.isEmpty());
        EXPECT_TRUE(d.Modified);
        EXPECT_EQ(session.windowCaption(), QStringLiteral("Brisel - Untitled"));
        EXPECT_TRUE(recentList().isEmpty());
        EXPECT_EQ(prompts.messages.size(), second ? 1u : 0u);
    }
    prompts.groupAnswer(std::nullopt);
    session.OpenAExecute(true, library); // cancelled: nothing changes, nothing asked
    EXPECT_EQ(session.document().ImageCount(), 2);
    EXPECT_EQ(session.document().FileType, 1);
    EXPECT_EQ(prompts.messages.size(), 1u);
}

// Icon > Open adds the chosen group's images to the document; a damaged
// program or one without icons is reported and changes nothing.
TEST_F(SessionProgramsTest, AddingFromAProgramAndFailures) {
    const QString file = writeTwoImageIcon(QStringLiteral("two.ico"));
    session.OpenAExecute(true, file);
    prompts.groupAnswer(1);
    session.Open2Click(true, library);
    ASSERT_EQ(session.document().ImageCount(), 4);
    const std::vector<const IconImage*> want = imagesOf(cursor);
    expectSame(session.document().image(2), *want[0]);
    expectSame(session.document().image(3), *want[1]);
    EXPECT_EQ(session.document().FileName, file);

    BuiltProgram damaged = BuildPeProgram(ResourcesOfFile(icons, 1, 1));
    damaged.Bytes[damaged.FirstDataEntry + 6] = 0x7F; // a size far past the section
    const QString bad = path(QStringLiteral("bad.dll"));
    writeFile(bad, qbytes(damaged.Bytes));
    const QString none = path(QStringLiteral("none.exe"));
    writeFile(none, qbytes(BuildNeProgram({TestResource{16, 1, {}, Bytes(8, 0)}}).Bytes));
    for (const QString& f : {bad, none}) {
        SCOPED_TRACE(f.toStdString());
        for (bool adding : {false, true}) {
            prompts.answer(MessageAnswer::OK);
            if (adding)
                session.Open2Click(true, f);
            else
                session.OpenAExecute(true, f);
            EXPECT_TRUE(prompts.messages.back().Text.contains(f))
                << prompts.messages.back().Text.toStdString();
            EXPECT_EQ(prompts.messages.back().Kind, MessageKind::Error);
            EXPECT_EQ(session.document().ImageCount(), 4);
            EXPECT_EQ(session.document().FileName, file);
        }
    }
}
