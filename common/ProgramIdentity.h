#pragma once

#include <QString>

// Who the running program is: the executable's base name (which names its INI file and its
// captions) and its folder. Tests set both, so that they run as "Schedex" from a chosen folder.
namespace common::program {

QString name();
void setName(const QString& name);

// The executable's folder in Windows form, without a trailing "\" unless it is a drive root.
QString folder();
void setFolder(const QString& windowsFolder);

// GetAppFolder: the program's folder, always ending with "\".
QString GetAppFolder();

} // namespace common::program
