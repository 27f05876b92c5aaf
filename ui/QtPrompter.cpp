#include "ui/QtPrompter.h"

#include <optional>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "interaction/Seams.h"
#include "platform/WindowsPath.h"
#include "platform/Workstation.h"
#include "ui/QtCopyProgress.h"
#include "ui/WorkstationFileDialog.h"

namespace ui {

namespace {

using interaction::Answer;
using interaction::Buttons;
using interaction::DefaultButton;
using interaction::Icon;

struct ButtonAnswer {
    QDialogButtonBox::StandardButton button;
    Answer answer;
};

// The platform's buttons, in its order.
QList<ButtonAnswer> buttonsOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return {{QDialogButtonBox::Ok, Answer::Ok}};
    case Buttons::OkCancel:
        return {{QDialogButtonBox::Ok, Answer::Ok}, {QDialogButtonBox::Cancel, Answer::Cancel}};
    case Buttons::AbortRetryIgnore:
        return {{QDialogButtonBox::Abort, Answer::Abort},
                {QDialogButtonBox::Retry, Answer::Retry},
                {QDialogButtonBox::Ignore, Answer::Ignore}};
    case Buttons::YesNoCancel:
        return {{QDialogButtonBox::Yes, Answer::Yes},
                {QDialogButtonBox::No, Answer::No},
                {QDialogButtonBox::Cancel, Answer::Cancel}};
    case Buttons::YesNo:
        return {{QDialogButtonBox::Yes, Answer::Yes}, {QDialogButtonBox::No, Answer::No}};
    case Buttons::RetryCancel:
        return {{QDialogButtonBox::Retry, Answer::Retry}, {QDialogButtonBox::Cancel, Answer::Cancel}};
    }
    return {{QDialogButtonBox::Ok, Answer::Ok}};
}

// Qt's own caption of a standard button, in the language of the program's Qt texts.
QString standardCaption(QDialogButtonBox::StandardButton button)
{
    const QDialogButtonBox box(button);
    return box.button(button)->text();
}

// The answer that Esc and the close box give: Cancel, or OK when it stands alone. A box without
// either, as Abort/Retry/Ignore and Yes/No, takes neither key nor close box.
std::optional<qsizetype> escapeIndexOf(const QList<ButtonAnswer>& buttons)
{
    for (qsizetype index = 0; index < buttons.size(); ++index) {
        if (buttons.at(index).answer == Answer::Cancel)
            return index;
    }
    if (buttons.size() == 1)
        return 0;
    return std::nullopt;
}

QMessageBox::Icon iconOf(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

int defaultIndexOf(DefaultButton defaultButton)
{
    return int(defaultButton) / 256;
}

QWidget* ownerWidget(void* owner)
{
    return owner ? static_cast<QWidget*>(owner) : QApplication::activeWindow();
}

QString titleOr(const QString& title)
{
    return title.isEmpty() ? interaction::Seams::programTitle() : title;
}

// The programs break lines with a lone carriage return, as the platform's boxes accept.
QString withLineFeeds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString chosenPath(WorkstationFileDialog::Mode mode, const interaction::FileDialog& request)
{
    WorkstationFileDialog dialog(mode, request.title, ownerWidget(request.owner));
    dialog.setFilters(request.filters);
    dialog.setFolder(request.initialFolder);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
}

bool emptyFolder(const QString& hostFolder)
{
    QDir folder(hostFolder);
    bool emptied = true;
    const auto entries = folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            emptied = QDir(entry.absoluteFilePath()).removeRecursively() && emptied;
        else
            emptied = QFile::remove(entry.absoluteFilePath()) && emptied;
    }
    return emptied;
}

} // namespace

Answer QtPrompter::message(const interaction::MessageBox& box)
{
    QMessageBox dialog(QApplication::activeWindow());
    dialog.setWindowTitle(titleOr(box.title));
    dialog.setTextFormat(Qt::PlainText);
    dialog.setText(withLineFeeds(box.text));
    dialog.setIcon(iconOf(box.icon));
    const QList<ButtonAnswer> buttons = buttonsOf(box.buttons);
    QList<QPushButton*> added;
    // One role for all: the buttons stand in the platform's order whatever the style's layout.
    for (const ButtonAnswer& button : buttons)
        added.append(dialog.addButton(standardCaption(button.button), QMessageBox::ActionRole));
    const int defaultIndex = defaultIndexOf(box.defaultButton);
    dialog.setDefaultButton(added.value(defaultIndex < added.size() ? defaultIndex : 0));
    const std::optional<qsizetype> escapeIndex = escapeIndexOf(buttons);
    if (escapeIndex)
        dialog.setEscapeButton(added.at(*escapeIndex));
    dialog.exec();
    const qsizetype clicked = added.indexOf(qobject_cast<QPushButton*>(dialog.clickedButton()));
    return clicked >= 0 ? buttons.at(clicked).answer : Answer::None;
}

QString QtPrompter::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(titleOr(title));
    dialog.setLabelText(withLineFeeds(prompt));
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

// The platform's dialogs run without flags: a name typed in the open dialog need not exist.
QString QtPrompter::openFile(const interaction::FileDialog& dialog)
{
    return chosenPath(WorkstationFileDialog::Mode::Open, dialog);
}

QString QtPrompter::saveFile(const interaction::FileDialog& dialog)
{
    return chosenPath(WorkstationFileDialog::Mode::Save, dialog);
}

QString QtPrompter::browseForFolder(void* owner, const QString& instruction)
{
    WorkstationFileDialog dialog(WorkstationFileDialog::Mode::Folder, instruction, ownerWidget(owner));
    return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
}

int QtPrompter::formatDrive(void* owner, int drive)
{
    constexpr int failed = -1;
    constexpr int cancelled = -2;
    constexpr int cannotFormat = -3;
    if (drive < 0 || drive > 25)
        return failed;
    const QChar letter(u'A' + drive);
    const platform::Workstation& workstation = platform::Workstation::current();
    const std::optional<platform::Drive> found = workstation.drive(letter);
    if (!found || found->type != platform::DriveType::Removable)
        return cannotFormat;
    if (!workstation.isReady(letter))
        return failed;
    const QString name = QString(letter) + QLatin1Char(':');
    QMessageBox confirm(QMessageBox::Warning, QStringLiteral("Formatta ") + name,
                        QStringLiteral("Tutti i dati del disco ") + name +
                            QStringLiteral(" saranno eliminati.\nFormattare il disco?"),
                        QMessageBox::Ok | QMessageBox::Cancel, ownerWidget(owner));
    confirm.setDefaultButton(QMessageBox::Cancel);
    if (confirm.exec() != QMessageBox::Ok)
        return cancelled;
    return emptyFolder(found->hostFolder) ? 0 : failed;
}

std::unique_ptr<interaction::CopyProgress> QtPrompter::copyProgress(void* owner, const QString& from, const QString& to)
{
    return std::make_unique<QtCopyProgress>(ownerWidget(owner), from, to);
}

bool QtPrompter::confirmReplace(void* owner, const QString& existing)
{
    QMessageBox question(QMessageBox::Question, QStringLiteral("Conferma sostituzione file"),
                         QStringLiteral("Questa cartella contiene già un file denominato '") +
                             platform::windowsPath::namePart(existing) +
                             QStringLiteral("'.\n\nSostituire il file esistente?"),
                         QMessageBox::NoButton, ownerWidget(owner));
    QPushButton* yes = question.addButton(standardCaption(QDialogButtonBox::Yes), QMessageBox::ActionRole);
    QPushButton* no = question.addButton(standardCaption(QDialogButtonBox::No), QMessageBox::ActionRole);
    question.setDefaultButton(yes);
    question.setEscapeButton(no);
    question.exec();
    return question.clickedButton() == yes;
}

} // namespace ui
