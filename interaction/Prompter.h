#pragma once

#include <memory>

#include <QList>
#include <QString>
#include <QtGlobal>

namespace interaction {

class CopyProgress;

// The runtime's message-box buttons, icons and default buttons, with its own numbers.
enum class Buttons { Ok = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class Icon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class DefaultButton { First = 0, Second = 256, Third = 512 };

// The runtime's message-box results; None is a box that was never answered.
enum class Answer : qint16 { None = 0, Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageBox {
    QString text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    DefaultButton defaultButton = DefaultButton::First;
    QString title;
};

struct FileFilter {
    QString description; // "File CSV (*.csv)"
    QString pattern;     // "*.csv"
};

// Owners are opaque here: the window layer passes its widgets.
struct FileDialog {
    void* owner = nullptr;
    QList<FileFilter> filters;
    QString initialFolder;
    QString title;
};

// Every modal question the programs put to the user.
class Prompter {
public:
    virtual ~Prompter();

    virtual Answer message(const MessageBox& box) = 0;
    // The typed text, empty on Cancel.
    virtual QString input(const QString& prompt, const QString& title, const QString& defaultText) = 0;
    // The chosen path, empty on Cancel.
    virtual QString openFile(const FileDialog& dialog) = 0;
    virtual QString saveFile(const FileDialog& dialog) = 0;
    // The chosen folder without a trailing "\", empty on Cancel.
    virtual QString browseForFolder(void* owner, const QString& instruction) = 0;
    // The platform's format dialog for drive number `drive` (A is 0); its result code
    // (-1 error, -2 cancelled, -3 cannot be formatted, anything else done).
    virtual int formatDrive(void* owner, int drive) = 0;
    // The shell's copy of the file `from` to `to` (Windows form): its progress dialog, shown while
    // the object lives.
    virtual std::unique_ptr<CopyProgress> copyProgress(void* owner, const QString& from, const QString& to) = 0;
    // The shell's question before a copy replaces the file `existing`: true to replace it.
    virtual bool confirmReplace(void* owner, const QString& existing) = 0;

    Answer message(const QString& text, Buttons buttons, Icon icon, DefaultButton defaultButton, const QString& title);
};

// Whether `answer` is one of the buttons of a box with `buttons`.
bool answerFits(Buttons buttons, Answer answer);

} // namespace interaction
