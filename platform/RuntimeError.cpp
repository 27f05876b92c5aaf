#include "platform/RuntimeError.h"

#include <utility>

#include "platform/ErrorNumber.h"

namespace platform {

RuntimeError::RuntimeError(int number) : RuntimeError(number, standardDescription(number)) {}

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(std::move(description)),
      m_what(QString(QStringLiteral("Error %1: %2")).arg(number).arg(m_description).toUtf8())
{
}

QString RuntimeError::standardDescription(int number)
{
    switch (number) {
    case InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case Overflow:
        return QStringLiteral("Overflow");
    case OutOfMemory:
        return QStringLiteral("Out of memory");
    case SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case DivisionByZero:
        return QStringLiteral("Division by zero");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case BadFileNameOrNumber:
        return QStringLiteral("Bad file name or number");
    case FileNotFound:
        return QStringLiteral("File not found");
    case BadFileMode:
        return QStringLiteral("Bad file mode");
    case FileAlreadyOpen:
        return QStringLiteral("File already open");
    case DeviceIoError:
        return QStringLiteral("Device I/O error");
    case FileAlreadyExists:
        return QStringLiteral("File already exists");
    case DiskFull:
        return QStringLiteral("Disk full");
    case InputPastEndOfFile:
        return QStringLiteral("Input past end of file");
    case TooManyFiles:
        return QStringLiteral("Too many files");
    case DeviceUnavailable:
        return QStringLiteral("Device unavailable");
    case PermissionDenied:
        return QStringLiteral("Permission denied");
    case DiskNotReady:
        return QStringLiteral("Disk not ready");
    case RenameAcrossDrives:
        return QStringLiteral("Can't rename with different drive");
    case PathFileAccessError:
        return QStringLiteral("Path/File access error");
    case PathNotFound:
        return QStringLiteral("Path not found");
    case ObjectVariableNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case InvalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    case ObjectWasUnloaded:
        return QStringLiteral("Object was unloaded");
    case InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case InvalidPropertyArrayIndex:
        return QStringLiteral("Invalid property array index");
    case ReadOnlyProperty:
        return QStringLiteral("Can't set read-only property");
    case FormMinimizedOrMaximized:
        return QStringLiteral("A form can't be moved or sized while minimized or maximized");
    case ObjectRequired:
        return QStringLiteral("Object required");
    case CannotCreateObject:
        return QStringLiteral("ActiveX component can't create object");
    case MemberNotFound:
        return QStringLiteral("Object doesn't support this property or method");
    case ActionNotSupported:
        return QStringLiteral("Object doesn't support this action");
    case ArgumentNotOptional:
        return QStringLiteral("Argument not optional");
    case WrongNumberOfArguments:
        return QStringLiteral("Wrong number of arguments or invalid property assignment");
    case InvalidPicture:
        return QStringLiteral("Invalid picture");
    case PrinterError:
        return QStringLiteral("Printer error");
    case PrinterInformationError:
        return QStringLiteral("Problem getting printer information from the system. "
                              "Make sure the printer is set up correctly.");
    case CannotOpenClipboard:
        return QStringLiteral("Can't open Clipboard");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

} // namespace platform
