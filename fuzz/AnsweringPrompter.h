#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "interaction/CopyProgress.h"
#include "interaction/Prompter.h"

namespace fuzz {

// Answers every box the way a user who gives up would (Abort, Cancel, No, Ok), every input box
// with one fixed reply, every dialog and copy with Cancel, every replace question with No, and keeps the texts of the
// boxes: a fuzz run has nobody to ask and no script to follow.
class AnsweringPrompter : public interaction::Prompter {
public:
    void setInputReply(const QString& reply) { m_inputReply = reply; }
    const QStringList& messages() const { return m_messages; }
    void forget() { m_messages.clear(); }

    interaction::Answer message(const interaction::MessageBox& box) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const interaction::FileDialog& dialog) override;
    QString saveFile(const interaction::FileDialog& dialog) override;
    QString browseForFolder(void* owner, const QString& instruction) override;
    int formatDrive(void* owner, int drive) override;
    std::unique_ptr<interaction::CopyProgress> copyProgress(void* owner, const QString& from,
                                                            const QString& to) override;
    bool confirmReplace(void* owner, const QString& existing) override;

    using interaction::Prompter::message;

private:
    QString m_inputReply;
    QStringList m_messages;
};

} // namespace fuzz
