#pragma once

#include "ModalSupport.h"
#include "ScriptedPrompter.h"
#include "app/SettingsStore.h"
#include "app/ShellOpener.h"
#include "app/ui/MainForm.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Records what the window hands to the desktop instead of starting anything.
struct RecordingShell : ShellOpener {
    QStringList files;
    QStringList urls;
    bool succeed = true;
    void openFile(const QString& Path, Outcome Done) override {
        files << Path;
        Done(succeed);
    }
    void openUrl(const QString& Url, Outcome Done) override {
        urls << Url;
        Done(succeed);
    }
};

// Every window test gets its own settings store in a temporary folder, so the
// user's settings are never read or written.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
        ASSERT_TRUE(openSettingsStore()->fileName().startsWith(m_settingsDir.path()));
    }

    TMainForm& form(const QString& ProgramFolder = QStringLiteral(BRISEL_DATA_DIR "/")) {
        if (!m_form) m_form = std::make_unique<TMainForm>(prompts, shell, ProgramFolder);
        return *m_form;
    }

    std::unique_ptr<QSettings> store() { return openSettingsStore(); }

    // Runs Step on the modal dialog that Trigger opens, as soon as it is up.
    template <class Dialog>
    void withModal(const std::function<void()>& Trigger, const std::function<void(Dialog&)>& Step) {
        withModalDialog<Dialog>(Trigger, Step);
    }

    QTemporaryDir m_settingsDir;
    ScriptedPrompter prompts;
    RecordingShell shell;
    std::unique_ptr<TMainForm> m_form;
};
