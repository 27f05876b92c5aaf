#pragma once

#include "automation/Variant.h"
#include "explorer/store/ExplorerState.h"
#include "interaction/ScriptedKeyState.h"
#include "interaction/ScriptedPendingEvents.h"
#include "interaction/ScriptedPrompter.h"
#include "interaction/Seams.h"
#include "utilex/UtilexClass.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// Hands every prompt to the scripted prompter, first running the action a test set for the next
// message or input box, as if the user did something while the box was open.
class HookedPrompter : public interaction::Prompter {
public:
    explicit HookedPrompter(interaction::Prompter& inner) : m_inner(inner) {}

    void beforeNextPrompt(std::function<void()> action) { m_action = std::move(action); }

    interaction::Answer message(const interaction::MessageBox& box) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const interaction::FileDialog& dialog) override { return m_inner.openFile(dialog); }
    QString saveFile(const interaction::FileDialog& dialog) override { return m_inner.saveFile(dialog); }
    QString browseForFolder(void* owner, const QString& instruction) override
    {
        return m_inner.browseForFolder(owner, instruction);
    }
    int formatDrive(void* owner, int drive) override { return m_inner.formatDrive(owner, drive); }
    using interaction::Prompter::message;

private:
    void runAction();

    interaction::Prompter& m_inner;
    std::function<void()> m_action;
};

// One test's world: a fresh workstation with the fixed drives C, D, F and G, the removable drive
// E without a medium and Z on the host root (where the built libraries are); Utilex4 registered; the card archive
// folder C:\Schede\ holding the empty archive PROVA, open in the explorer; scripted seams whose prompter reports
// unexpected prompts and unused answers to the test.
class TransferWorkstation {
public:
    explicit TransferWorkstation(interaction::ScriptedPrompter::FailureHandler onFailure);
    ~TransferWorkstation();
    TransferWorkstation(const TransferWorkstation&) = delete;
    TransferWorkstation& operator=(const TransferWorkstation&) = delete;

    QString root() const { return m_root.path(); }
    // Host path of a program the build made.
    static QString builtProgram(const QString& name);
    static QString hostPath(const QString& windowsPath);
    static void makeFolder(const QString& windowsPath);
    static void writeFile(const QString& windowsPath, const QByteArray& bytes);
    static QByteArray readFile(const QString& windowsPath);
    static bool fileExists(const QString& windowsPath);

    // C:\Schede\<name>.mdb, a new empty card archive.
    static QString createArchive(const QString& name);
    static QString archivePath(const QString& name);

    using Row = QList<QPair<QString, automation::Variant>>;
    static void addRow(const QString& archive, const QString& table, const Row& row);
    // The rows a select returns, each as its columns' values joined by "|" (Null as "<Null>").
    static QStringList rows(const QString& archive, const QString& select, const QStringList& columns);

    utilex::_UtilexClass& utility() { return *m_utility; }
    void beforeNextPrompt(std::function<void()> action) { m_hook.beforeNextPrompt(std::move(action)); }

    interaction::ScriptedPrompter prompter;
    interaction::ScriptedKeyState keys;
    interaction::ScriptedPendingEvents events;

private:
    HookedPrompter m_hook{prompter};
    QTemporaryDir m_root;
    store::ExplorerState m_savedState;
    std::shared_ptr<utilex::_UtilexClass> m_utility;
    interaction::Seams::Installation m_seams;
};
