// X cursor files in the editor: opened by their content, saved back without
// an extension, and what they cannot hold said once.

#include "files_support.h"

#include "document/IconFileReader.h"
#include "document/file/XcursorReader.h"
#include "document/file/XcursorWriter.h"

#include <QFile>
#include <QFileInfo>

namespace {

XcursorImage still(std::uint32_t Nominal, int Side, int Hx, int Hy, std::uint32_t Colour) {
    XcursorImage i{Nominal, Side, Side, Hx, Hy, 0, {}};
    i.Pixels.assign(std::size_t(Side * Side), Colour);
    i.Pixels[0] = 0; // a transparent corner
    return i;
}

XcursorContents readBack(const QString& Path) {
    QFile f(Path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    return DecodeXcursorFile(reinterpret_cast<const std::uint8_t*>(b.constData()),
                             std::size_t(b.size()), Path.toStdString());
}

} // namespace

TEST_F(SessionFilesTest, XcursorFilesOpenAndSaveBackWithoutAnExtension) {
    XcursorContents c;
    c.Images = {still(32, 32, 4, 5, 0xFF2040C0), still(24, 24, 3, 4, 0x80FFFFFF)};
    const std::vector<std::uint8_t> bytes = EncodeXcursorFile(c);
    const QString file = path(QStringLiteral("left_ptr"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    f.close();

    session.OpenAExecute(true, file);
    EXPECT_TRUE(prompts.messages.empty()) << "nothing was left out";
    ASSERT_EQ(session.document().ImageCount(), 2);
    EXPECT_EQ(session.document().FileType, XcursorFileType);
    EXPECT_EQ(session.document().image(0).Pixels.Width, 24);
    EXPECT_EQ(session.document().image(1).HotSpotX, 4);
    EXPECT_EQ(session.document().image(1).HotSpotY, 5);

    // Save writes an X cursor again, every pixel and hot spot as it was.
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    const XcursorContents back = readBack(file);
    ASSERT_EQ(back.Images.size(), 2u);
    EXPECT_EQ(back.Images[0].Pixels, c.Images[1].Pixels);
    EXPECT_EQ(back.Images[1].Pixels, c.Images[0].Pixels);
    EXPECT_EQ(back.Images[1].HotSpotY, 5);

    // Save As an X cursor drops the extension typed; the dialog offers the
    // X cursor filter for an X cursor document.
    prompts.saveFileAnswer(FileChoice{path(QStringLiteral("pointer.cur")), 4});
    ASSERT_EQ(session.SaveAs1Click(), SaveResult::Saved);
    EXPECT_EQ(prompts.fileRequests.back().FilterIndex, 4);
    EXPECT_EQ(session.document().FileName, path(QStringLiteral("pointer")));
    EXPECT_EQ(readBack(path(QStringLiteral("pointer"))).Images.size(), 2u);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("pointer.cur"))));
}

TEST_F(SessionFilesTest, WhatAnXcursorCannotHoldIsSaidOnOpenAndOnSave) {
    // Two nominal sizes drawn at 32 pixels both, and one too large.
    XcursorContents c;
    c.Images = {still(24, 32, 1, 1, 0xFF000000), still(32, 32, 1, 1, 0xFF0000FF),
                still(300, 300, 0, 0, 0xFFFFFFFF)};
    c.Comments = {{1, "someone"}};
    const std::vector<std::uint8_t> bytes = EncodeXcursorFile(c);
    const QString file = path(QStringLiteral("busy"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    f.close();

    prompts.answer(MessageAnswer::OK);
    session.OpenAExecute(true, file);
    ASSERT_EQ(prompts.messages.size(), 1u);
    const QString notice = prompts.messages[0].Text;
    for (const char* part : {"larger than 256", "nominal sizes", "comments"})
        EXPECT_TRUE(notice.contains(QLatin1String(part))) << part << ": " << notice.toStdString();
    ASSERT_EQ(session.document().ImageCount(), 2);

    // Saved, the two 32-pixel images are one size of an X cursor: the one of
    // more colours stays, and that is said; a screen-inverting pixel in the
    // image left out is not counted.
    const TransparencySettings t = session.transparency();
    session.document().image(0).Format = 4;
    session.document().image(0).Pixels.Bits[5] = t.InvColor;
    prompts.answer(MessageAnswer::OK);
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_TRUE(prompts.messages[1].Text.contains(QStringLiteral("1 images of a size")))
        << prompts.messages[1].Text.toStdString();
    const XcursorContents back = readBack(file);
    ASSERT_EQ(back.Images.size(), 1u);
    EXPECT_EQ(back.Images[0].Pixels[5], 0xFF0000FFu);

}

TEST_F(SessionFilesTest, AnimatedXcursorsOpenAsFramesAndSaveBackAnimated) {
    // Sizes 24 and 32 in three frames of 50, 100 and 16 ms, and a licence.
    const std::uint32_t delays[] = {50, 100, 16};
    const std::uint32_t colours[] = {0xFF0000C0, 0xFF00C000, 0xFFC00000};
    XcursorContents c;
    for (int side : {24, 32})
        for (int k = 0; k < 3; ++k) {
            c.Images.push_back(still(std::uint32_t(side), side, 2 + k, 3, colours[k]));
            c.Images.back().DelayMs = delays[k];
        }
    c.Comments = {{2, "MIT"}, {3, "Watch"}};
    const std::vector<std::uint8_t> bytes = EncodeXcursorFile(c);
    const QString file = path(QStringLiteral("watch"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    f.close();

    prompts.answer(MessageAnswer::OK);
    session.OpenAExecute(true, file);
    ASSERT_EQ(prompts.messages.size(), 1u);
    const QString notice = prompts.messages[0].Text;
    for (const char* part : {"16 ms becomes 17 ms", "licence"})
        EXPECT_TRUE(notice.contains(QLatin1String(part))) << part << ": " << notice.toStdString();
    const IconDocument& doc = session.document();
    EXPECT_EQ(doc.FileType, XcursorFileType);
    EXPECT_EQ(doc.Title, QStringLiteral("Watch"));
    ASSERT_EQ(doc.FrameCount(), 3);
    const std::uint32_t rates[] = {3, 6, 1};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(doc.frameRate(k), rates[k]);
        ASSERT_EQ(doc.frameImages(k).size(), 2u);
        EXPECT_EQ(doc.frameImages(k)[1]->HotSpotX, 2 + k);
    }

    // Save keeps it an animated X cursor, without asking which frame.
    ASSERT_EQ(session.SaveAExecute(false), SaveResult::Saved);
    EXPECT_EQ(prompts.messages.size(), 1u);
    const XcursorContents back = readBack(file);
    ASSERT_EQ(back.Images.size(), 6u);
    const std::uint32_t saved[] = {50, 100, 17};
    for (std::size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(back.Images[i].NominalSize, i < 3 ? 24u : 32u);
        EXPECT_EQ(back.Images[i].DelayMs, saved[i % 3]);
        EXPECT_EQ(back.Images[i].Pixels, c.Images[i].Pixels);
        EXPECT_EQ(back.Images[i].HotSpotX, c.Images[i].HotSpotX);
    }
}
