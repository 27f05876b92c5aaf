#pragma once

#include "explorer/store/ExplorerState.h"
#include "interaction/Prompter.h"
#include "tests/explorer/store/StoreTestSupport.h"
#include "tests/interaction/ScriptedSeams.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <map>

// Hands every prompt to the scripted prompter, first running the action a test set for that
// prompt, as if the user did something while the box was open.
class PromptHook : public interaction::Prompter {
public:
    explicit PromptHook(interaction::Prompter& inner) : m_inner(inner) {}

    // Runs `action` when the n-th message box opens (1 is the first).
    void atMessage(int n, std::function<void()> action) { m_actions[n] = std::move(action); }

    interaction::Answer message(const interaction::MessageBox& box) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        return m_inner.input(prompt, title, defaultText);
    }
    QString openFile(const interaction::FileDialog& dialog) override { return m_inner.openFile(dialog); }
    QString saveFile(const interaction::FileDialog& dialog) override { return m_inner.saveFile(dialog); }
    QString browseForFolder(void* owner, const QString& instruction) override
    {
        return m_inner.browseForFolder(owner, instruction);
    }
    int formatDrive(void* owner, int drive) override { return m_inner.formatDrive(owner, drive); }
    using interaction::Prompter::message;

private:
    interaction::Prompter& m_inner;
    std::map<int, std::function<void()>> m_actions;
    int m_messages = 0;
};

// A store test whose card archive folder is the explorer's DatabaseFolder, with scripted seams
// (the prompter behind a PromptHook) and the explorer state restored afterwards.
class CardArchiveFixture : public StoreTest {
protected:
    CardArchiveFixture();
    ~CardArchiveFixture() override;

    // A card with `pieces` piece rows and `markers` marker rows, its collection as given.
    static void addCardRows(const QString& archivePath, const QString& key, int pieces, int markers,
                            const QString& collection = QStringLiteral("Primavera"));
    // PCMTV of every row of the table, sorted.
    static QStringList keysIn(const QString& archivePath, const QString& table);
    // The Modelli row of key as "collection|variant|garment|base size|sizes"; empty when none.
    static QString headerOf(const QString& archivePath, const QString& key);

    // Makes the archive the one the explorer has open.
    static void openArchive(const QString& name) { store::explorerState().CurrentArchive = name; }

    ScriptedSeams m_seams;
    PromptHook m_hook{m_seams.prompter};
    store::ExplorerState m_savedState;
};
