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
#include <QItemSelectionModel>
#include <QListView>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QWidget>
#include <deque>
#include <gtest/gtest.h>

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
