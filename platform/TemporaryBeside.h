#pragma once

#include <QString>

namespace platform {

// A hidden temporary file beside a target host file, named ".~" + the target's name + "." and
// random hex digits, where a writer builds the target's new contents. It is created empty and
// locked (flock) for the object's life, so that anyone finding it can tell whether its writer
// still runs; it goes, with its SQLite journal, with the object unless it was renamed into place.
// A writer killed meanwhile leaves it behind, and the next writer of the same target removes it.
class TemporaryBeside {
public:
    // Raises 76 when the folder is missing, 75 when it may not be written.
    explicit TemporaryBeside(const QString& targetHostPath);
    ~TemporaryBeside();

    TemporaryBeside(const TemporaryBeside&) = delete;
    TemporaryBeside& operator=(const TemporaryBeside&) = delete;

    const QString& path() const { return m_path; }
    // Open for writing.
    int descriptor() const { return m_descriptor; }
    // It now has the target's name: nothing is left to remove.
    void renamed() { m_renamed = true; }

    // Removes the temporary files, and their journals, that writers of the target no longer
    // running left beside it; those of running writers stay.
    static void removeLeftovers(const QString& targetHostPath);

private:
    QString m_path;
    int m_descriptor = -1;
    bool m_renamed = false;
};

} // namespace platform
