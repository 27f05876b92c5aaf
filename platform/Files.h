#pragma once

#include <QByteArray>
#include <QString>

// The runtime's file statements on Windows paths, raising its numbered errors.
namespace platform::files {

bool exists(const QString& path);                    // file or folder
void makeDirectory(const QString& path);             // MkDir: 75 when it exists, 76 when the parent is missing
void removeDirectory(const QString& path);           // RmDir
void removeFile(const QString& path);                // Kill: 53 when missing, 70 when open, 75 when read-only
void rename(const QString& from, const QString& to); // Name: 58 when the target exists, 75 when open
void copy(const QString& from, const QString& to);   // FileCopy
qint64 length(const QString& path);                  // FileLen

// Whole-file helpers for the suite's own text files (Windows-1252 on disk).
QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes); // replaces atomically
void append(const QString& path, const QByteArray& bytes);   // creates when absent

} // namespace platform::files
