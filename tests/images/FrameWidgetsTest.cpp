// The frame strip and the Sequence dialog, clicked offscreen with a session
// behind them and the questions answered by script.

#include "ScriptedPrompter.h"
#include "images/ui/FrameListModel.h"
#include "images/ui/FrameStrip.h"
#include "images/ui/SequenceDialog.h"
#include "session/EditSession.h"
#include "session/FramePrompt.h"
#include "session/SessionFrames.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QItemSelectionModel>
#include <QListView>
#include <QMimeData>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ScriptedFramePrompt : public FramePrompt {
public:
    std::deque<std::optional<std::uint32_t>> rates;
    std::deque<std::optional<std::vector<FrameStep>>> sequences;
    std::deque<Texts> texts; // answered OK with these
    std::vector<std::uint32_t> rateShown;

    std::optional<std::uint32_t> askRate(std::uint32_t Current) override {
        rateShown.push_back(Current);
        return take(rates);
    }
    std::optional<std::vector<FrameStep>> askSequence(const IconDocument&) override {
        return take(sequences);
    }
    std::optional<Texts> askProperties(const Texts&) override {
        if (texts.empty()) {
            ADD_FAILURE() << "unexpected question";
            return std::nullopt;
        }
        const Texts a = texts.front();
        texts.pop_front();
        return a;
    }

private:
    template <class T> T take(std::deque<T>& Q) {
        if (Q.empty()) {
            ADD_FAILURE() << "unexpected question";
            return T();
        }
        T a = Q.front();
        Q.pop_front();
        return a;
    }
};

class FrameWidgetsTest : public ::testing::Test {
protected:
    FrameWidgetsTest()
        : session(prompts, QString()), strip(session.frames(), framePrompts, &panel) {
        QObject::connect(&session.frames(), &SessionFrames::framesChanged, strip.model(),
                         &FrameListModel::rebuild);
    }
    void click(const char* Button) { strip.button(Button)->click(); }

    ScriptedPrompter prompts;
    ScriptedFramePrompt framePrompts;
    EditSession session;
    QWidget panel;
    FrameStrip strip;
};

} // namespace

TEST_F(FrameWidgetsTest, ButtonsRunTheFrameCommands) {
    const IconDocument& d = session.document();
    ASSERT_EQ(strip.model()->rowCount(), 1);
    click("AddFrameB");
    click("DuplicateFrameB");
    EXPECT_EQ(d.FrameCount(), 3);
    EXPECT_EQ(strip.model()->rowCount(), 3);
    EXPECT_EQ(d.activeFrame(), 2);
    EXPECT_EQ(strip.FramesList()->currentIndex().row(), 2) << "the strip marks the active frame";
    click("FrameUpB");
    EXPECT_EQ(d.activeFrame(), 1);
    click("FrameDownB");
    EXPECT_EQ(d.activeFrame(), 2);
    click("RemoveFrameB");
    EXPECT_EQ(d.FrameCount(), 2);

    // Rate: the frames selected in the strip take the rate asked for.
    QItemSelectionModel* sel = strip.FramesList()->selectionModel();
    sel->select(strip.model()->index(0), QItemSelectionModel::ClearAndSelect);
    sel->select(strip.model()->index(1), QItemSelectionModel::Select);
    framePrompts.rates.push_back(12);
    click("RateB");
    EXPECT_EQ(d.frameRate(0), 12u);
    EXPECT_EQ(d.frameRate(1), 12u);
    EXPECT_EQ(strip.model()->data(strip.model()->index(1), Qt::DisplayRole).toString(),
              FrameListModel::caption(1, 12));
    framePrompts.rates.push_back(std::nullopt);
    click("RateB");
    EXPECT_EQ(d.frameRate(0), 12u);

    framePrompts.sequences.push_back(std::vector<FrameStep>{{1, 3}, {0, 4}});
    click("SequenceB");
    EXPECT_EQ(d.Sequence, (std::vector<FrameStep>{{1, 3}, {0, 4}}));
    framePrompts.texts.push_back(FramePrompt::Texts{QStringLiteral("Busy"), QStringLiteral("Ann")});
    click("PropertiesB");
    EXPECT_EQ(d.Title, QStringLiteral("Busy"));
    EXPECT_EQ(d.Author, QStringLiteral("Ann"));
    EXPECT_TRUE(d.Modified);
}

TEST_F(FrameWidgetsTest, ClickingAFrameEditsIt) {
    click("AddFrameB");
    ASSERT_EQ(session.document().activeFrame(), 1);
    const QModelIndex first = strip.model()->index(0);
    strip.FramesList()->selectionModel()->select(first, QItemSelectionModel::ClearAndSelect);
    emit strip.FramesList()->clicked(first);
    EXPECT_EQ(session.document().activeFrame(), 0);
}

// A frame dragged to another place in the strip moves there, as one undo
// step; the sequence keeps showing the same frames. Frames are told apart by
// their rates 1 to 4.
TEST_F(FrameWidgetsTest, DraggingAFrameMovesItAsOneUndoStep) {
    for (int i = 0; i < 3; ++i)
        click("AddFrameB");
    for (int f = 0; f < 4; ++f)
        session.frames().setFrameRates({f}, std::uint32_t(f + 1));
    session.frames().setSequence({{3, 4}, {0, 1}});
    EXPECT_EQ(strip.FramesList()->dragDropMode(), QAbstractItemView::InternalMove);
    EXPECT_TRUE(strip.FramesList()->dragEnabled());
    EXPECT_TRUE(strip.FramesList()->viewport()->acceptDrops())
        << "a static icon view refuses drops";

    const IconDocument& d = session.document();
    const auto rates = [&d] {
        std::vector<std::uint32_t> r;
        for (int f = 0; f < d.FrameCount(); ++f)
            r.push_back(d.frameRate(f));
        return r;
    };
    const auto sequenceRates = [&d] {
        std::vector<std::uint32_t> r;
        for (const FrameStep& s : d.Sequence)
            r.push_back(d.frameRate(s.Frame));
        return r;
    };
    const struct {
        const char* What;
        int From;
        int Row;  // before this row; -1: onto a frame or below the last
        int Onto; // -1: between frames
        std::vector<std::uint32_t> Rates;
    } cases[] = {
        {"onto a later frame", 0, -1, 2, {2, 3, 1, 4}},
        {"onto an earlier frame", 3, -1, 1, {1, 4, 2, 3}},
        {"before the first", 2, 0, -1, {3, 1, 2, 4}},
        {"between two later frames", 0, 3, -1, {2, 3, 1, 4}},
        {"below the last", 1, -1, -1, {1, 3, 4, 2}},
        {"onto itself", 2, -1, 2, {1, 2, 3, 4}},
        {"just after itself", 1, 2, -1, {1, 2, 3, 4}},
    };
    FrameListModel* model = strip.model();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        ASSERT_EQ(rates(), (std::vector<std::uint32_t>{1, 2, 3, 4}));
        std::unique_ptr<QMimeData> data(model->mimeData({model->index(c.From)}));
        ASSERT_TRUE(data);
        const QModelIndex onto = c.Onto >= 0 ? model->index(c.Onto) : QModelIndex();
        EXPECT_TRUE(model->dropMimeData(data.get(), Qt::MoveAction, c.Row, 0, onto));
        EXPECT_EQ(rates(), c.Rates);
        EXPECT_EQ(sequenceRates(), (std::vector<std::uint32_t>{4, 1}));
        EXPECT_EQ(model->rowCount(), 4);
        if (c.Rates != std::vector<std::uint32_t>{1, 2, 3, 4}) {
            session.UndoAExecute();
            EXPECT_EQ(rates(), (std::vector<std::uint32_t>{1, 2, 3, 4})) << "one undo step";
            EXPECT_EQ(d.Sequence, (std::vector<FrameStep>{{3, 4}, {0, 1}}));
        }
    }

    // Dropped on the strip itself: onto the third frame, then below the last.
    QListView* list = strip.FramesList();
    panel.resize(200, 600);
    panel.show();
    const auto dropAt = [&](int From, const QPoint& At) {
        std::unique_ptr<QMimeData> data(model->mimeData({model->index(From)}));
        QDropEvent drop(QPointF(At), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        strip.takeDrop(drop);
        EXPECT_TRUE(drop.isAccepted());
    };
    dropAt(0, list->visualRect(model->index(2)).center());
    EXPECT_EQ(rates(), (std::vector<std::uint32_t>{2, 3, 1, 4}));
    dropAt(0, QPoint(list->viewport()->width() / 2, list->viewport()->height() - 2));
    EXPECT_EQ(rates(), (std::vector<std::uint32_t>{3, 1, 4, 2}));

    // Several frames, or a frame of another strip, are not dragged here.
    EXPECT_EQ(model->mimeData({model->index(0), model->index(1)}), nullptr);
    QMimeData foreign;
    foreign.setData(model->mimeTypes().front(), "1 0");
    EXPECT_FALSE(model->canDropMimeData(&foreign, Qt::MoveAction, 0, 0, QModelIndex()));
}

// "Play in order" is the default and shows the frames in order; cleared, the
// steps are edited and come back as edited.
TEST(SequenceDialogTest, InOrderByDefaultAndStepsWhenCleared) {
    SequenceDialog dialog;
    dialog.load(3, {6, 7, 8}, {});
    EXPECT_TRUE(dialog.inOrderBox()->isChecked());
    EXPECT_FALSE(dialog.table()->isEnabled());
    ASSERT_EQ(dialog.table()->rowCount(), 3);
    EXPECT_TRUE(dialog.steps().empty());

    dialog.inOrderBox()->setChecked(false);
    EXPECT_TRUE(dialog.table()->isEnabled());
    EXPECT_EQ(dialog.steps(), (std::vector<FrameStep>{{0, 6}, {1, 7}, {2, 8}}));
    dialog.table()->setCurrentCell(2, 0);
    dialog.addStep(); // after the last: frame 1 again, at its rate
    EXPECT_EQ(dialog.steps().back(), (FrameStep{0, 6}));
    qobject_cast<QSpinBox*>(dialog.table()->cellWidget(0, 0))->setValue(3);
    dialog.table()->setCurrentCell(0, 0);
    dialog.moveStep(1);
    EXPECT_EQ(dialog.steps(), (std::vector<FrameStep>{{1, 7}, {2, 6}, {2, 8}, {0, 6}}));
    dialog.table()->setCurrentCell(3, 0);
    dialog.removeStep();
    EXPECT_EQ(dialog.steps().size(), 3u);

    SequenceDialog again;
    again.load(3, {6, 7, 8}, {{2, 1}, {2, 2}});
    EXPECT_FALSE(again.inOrderBox()->isChecked());
    EXPECT_EQ(again.steps(), (std::vector<FrameStep>{{2, 1}, {2, 2}}));
}
