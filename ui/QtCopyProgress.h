#pragma once

#include <QProgressDialog>
#include <QString>

#include "interaction/CopyProgress.h"

namespace ui {

// The shell's copy dialog: the file's name, where it goes, a bar and Cancel. Like the shell's,
// it only shows when the copy takes a moment.
class QtCopyProgress : public interaction::CopyProgress {
public:
    QtCopyProgress(QWidget* owner, const QString& from, const QString& to);

    bool advance(qint64 copied, qint64 total) override;

    QProgressDialog& dialog() { return m_dialog; }

private:
    QProgressDialog m_dialog;
};

} // namespace ui
