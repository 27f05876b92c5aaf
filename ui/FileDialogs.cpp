#include "ui/FileDialogs.h"

#include <QChar>

#include "interaction/Seams.h"

namespace ui {

namespace {

// What the dialog leaves in the caller's buffer of blanks. A path that does not fit makes the
// dialog fail, which reads as a cancel.
QString fileBuffer(const QString& chosen)
{
    const QString blanks(fileBufferLength, QLatin1Char(' '));
    if (chosen.isEmpty() || chosen.size() > fileBufferLength)
        return blanks;
    return (chosen + QChar(0) + blanks).left(fileBufferLength);
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString beforeNul(const QString& text)
{
    return text.section(QChar(0), 0, 0);
}

interaction::FileDialog request(QWidget* owner, const QList<interaction::FileFilter>& filter,
                                const QString& initialFolder, const QString& title)
{
    return interaction::FileDialog{owner, filter, initialFolder, title};
}

} // namespace

QList<interaction::FileFilter> defaultFileFilter()
{
    return {{QStringLiteral("Exe files (*.exe)"), QStringLiteral("*.exe")},
            {QStringLiteral("Batch files (*.bat)"), QStringLiteral("*.bat")}};
}

QString OpenFileDialog(QWidget* owner, const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                       const QString& title)
{
    const QString chosen = interaction::Seams::prompter().openFile(request(owner, filter, initialFolder, title));
    return beforeNul(trimBlanks(fileBuffer(chosen)));
}

QString SaveFileDialog(QWidget* owner, const QList<interaction::FileFilter>& filter, const QString& initialFolder,
                       const QString& title)
{
    return fileBuffer(interaction::Seams::prompter().saveFile(request(owner, filter, initialFolder, title)));
}

QString BrowseForFolder(QWidget* owner, const QString& title)
{
    return beforeNul(interaction::Seams::prompter().browseForFolder(owner, title));
}

} // namespace ui
