#include "document/ui/ProgramGroupDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

ProgramGroup group(const char* Label, std::uint16_t Type, int Images, int Side) {
    ProgramGroup g;
    g.Label = QLatin1String(Label);
    g.FileType = Type;
    g.ImageCount = Images;
    g.Sizes = QStringLiteral("%1 x %1").arg(Side);
    if (Side > 0) {
        g.Picture = QImage(Side, Side, QImage::Format_ARGB32);
        g.Picture.fill(qRgba(200, 40, 40, 255));
    }
    return g;
}

} // namespace

// Every group is offered with its name, kind and number of images, the
// first one chosen; choosing another and OK gives its index.
TEST(ProgramGroupDialog, OffersEveryGroupAndGivesTheChosenOne) {
    const std::vector<ProgramGroup> groups = {group("MAIN", 1, 3, 48), group("7", 1, 1, 16),
                                              group("POINTER", 2, 2, 32), group("BROKEN", 1, 1, 0)};
    ProgramGroupDialog dialog(QStringLiteral("/some/where/app.exe"), groups);
    QListWidget* list = dialog.list();
    ASSERT_EQ(list->count(), 4);
    const QStringList texts = {QStringLiteral("MAIN\n3 images"), QStringLiteral("7\n1 image"),
                               QStringLiteral("POINTER\ncursor, 2 images"),
                               QStringLiteral("BROKEN\n1 image")};
    for (int i = 0; i < list->count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list->item(i)->text(), texts[i]);
        EXPECT_EQ(list->item(i)->toolTip(), groups[std::size_t(i)].Sizes);
        // Every picture on the same square, a group without one included.
        const QList<QSize> sizes = list->item(i)->icon().availableSizes();
        ASSERT_FALSE(sizes.isEmpty());
        EXPECT_EQ(sizes.front(), QSize(ProgramGroupPictureSide, ProgramGroupPictureSide));
    }
    EXPECT_EQ(dialog.chosen(), 0);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    list->setCurrentRow(2);
    EXPECT_EQ(dialog.chosen(), 2);
    list->clearSelection();
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.chosen(), -1);
    list->setCurrentRow(1);
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosen(), 1);
}
