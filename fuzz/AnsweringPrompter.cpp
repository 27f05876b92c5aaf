#include "fuzz/AnsweringPrompter.h"

namespace fuzz {

namespace {

class CancelledCopy : public interaction::CopyProgress {
public:
    bool advance(qint64, qint64) override { return false; }
};

} // namespace

using interaction::Answer;
using interaction::Buttons;

Answer AnsweringPrompter::message(const interaction::MessageBox& box)
{
    m_messages.append(box.text);
    switch (box.buttons) {
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
    case Buttons::RetryCancel:
        return Answer::Cancel;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

QString AnsweringPrompter::input(const QString&, const QString&, const QString&)
{
    return m_inputReply;
}

QString AnsweringPrompter::openFile(const interaction::FileDialog&)
{
    return QString();
}

QString AnsweringPrompter::saveFile(const interaction::FileDialog&)
{
    return QString();
}

QString AnsweringPrompter::browseForFolder(void*, const QString&)
{
    return QString();
}

int AnsweringPrompter::formatDrive(void*, int)
{
    return -2;
}

std::unique_ptr<interaction::CopyProgress> AnsweringPrompter::copyProgress(void*, const QString&, const QString&)
{
    return std::make_unique<CancelledCopy>();
}

bool AnsweringPrompter::confirmReplace(void*, const QString&)
{
    return false;
}

} // namespace fuzz
