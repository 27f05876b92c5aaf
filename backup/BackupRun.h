#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace interaction {
class ProgressDisplay;
}

namespace backup {

// What the window hands to one save or restore: the chosen folder, the options, the card
// archives, its status bar and progress bar, and the outcome flag that the procedures set when
// they complete.
class BackupRun {
public:
    struct Options {
        QString folder;               // the chosen folder, ending in "\"
        bool formatDisk = false;      // ChkFormattaDisco
        bool deleteOldFiles = false;  // ChkEliminaTuttiFile
        QString databaseFolder;       // "TxtPathDatabase" of the installation, ending in "\"
        QStringList selectedArchives; // file names, in list order
    };

    BackupRun(QWidget& window, interaction::ProgressDisplay& display, Options options);

    const Options& options() const { return m_options; }
    QWidget& window() const { return m_window; }

    void setStatusText(const QString& text);
    void showProgress(bool visible);
    // The next procedure fills the progress bar from `from` to `to` percent.
    void beginPart(int from, int to);
    // How far the running procedure is, 0 to 100.
    void setProgress(int percent);

    bool outcome = false;

private:
    QWidget& m_window;
    interaction::ProgressDisplay& m_display;
    Options m_options;
    int m_partFrom = 0;
    int m_partTo = 100;
};

} // namespace backup
