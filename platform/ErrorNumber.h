#pragma once

namespace platform {

// The runtime's error numbers that the suite raises or traps by name; RuntimeError gives each
// its usual description. The engine's own numbers are store::engineError's.
enum ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    OutOfStringSpace = 14,
    ErrorInLoadingDll = 48,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    BadFileMode = 54,
    FileAlreadyOpen = 55,
    DeviceIoError = 57,
    FileAlreadyExists = 58,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    TooManyFiles = 67,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    DiskNotReady = 71,
    RenameAcrossDrives = 74,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ObjectVariableNotSet = 91,
    InvalidUseOfNull = 94,
    ObjectWasUnloaded = 364,
    InvalidPropertyValue = 380,
    InvalidPropertyArrayIndex = 381,
    ReadOnlyProperty = 383,
    FormMinimizedOrMaximized = 384,
    ObjectRequired = 424,
    CannotCreateObject = 429,
    MemberNotFound = 438,
    AutomationError = 440,
    ActionNotSupported = 445,
    ArgumentNotOptional = 449,
    WrongNumberOfArguments = 450,
    DllEntryPointNotFound = 453,
    InvalidPicture = 481,
    PrinterError = 482,
    PrinterInformationError = 484,
    CannotOpenClipboard = 521,
};

} // namespace platform
