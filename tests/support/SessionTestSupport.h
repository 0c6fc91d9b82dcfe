#pragma once

#include "images/NewIconPrompt.h"
#include "session/EditSession.h"

#include <QString>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>

// The generated installation data of the build.
inline QString testDataDir() {
    return QStringLiteral(BRISEL_DATA_DIR "/");
}

// One finished change of the active image: every pixel becomes Fill, then the
// change is committed and recorded, as a tool does on release.
inline void paintAll(EditSession& S, TColor32 Fill) {
    std::fill(S.WorkBitmap().Bits.begin(), S.WorkBitmap().Bits.end(), Fill);
    S.commit();
    S.PushUndo();
}

// Answers the "New Icon" dialog from a script; a question with no answer
// left fails the test and counts as Cancel.
class ScriptedNewIcon : public NewIconPrompt {
public:
    ~ScriptedNewIcon() override { EXPECT_TRUE(m_answers.empty()) << "New Icon answers left"; }
    void answer(std::optional<NewIconChoice> A) { m_answers.push_back(A); }
    std::optional<NewIconChoice> askNewIcon() override {
        ++asked;
        if (m_answers.empty()) {
            ADD_FAILURE() << "unexpected New Icon dialog";
            return std::nullopt;
        }
        const auto a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    int asked = 0;

private:
    std::deque<std::optional<NewIconChoice>> m_answers;
};
