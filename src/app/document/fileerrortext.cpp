#include "fileerrortext.h"

#include "settings/safefile.h"

#include <QCoreApplication>

QString fileErrorText(const FileError &error)
{
    switch (error.reason) {
    case FileError::System:
        break;
    case FileError::Folder:
        return QCoreApplication::translate("mainWin", "It is a folder.");
    case FileError::NotRegular:
        return QCoreApplication::translate(
            "mainWin", "It is a device, a pipe or a socket, not a regular file.");
    case FileError::NotAFolder:
        return QCoreApplication::translate("mainWin", "Its folder is a file or a link.");
    case FileError::ShortWrite:
        return QCoreApplication::translate("mainWin", "Only %1 of %2 bytes could be written.")
            .arg(error.count)
            .arg(error.total);
    case FileError::WrongSize:
        return QCoreApplication::translate("mainWin",
                                           "It holds %1 bytes; a camera settings file holds %2.")
            .arg(error.count)
            .arg(error.total);
    case FileError::NotANumber:
        return QCoreApplication::translate("mainWin", "It holds a value that is not a number.");
    case FileError::Damaged:
        return QCoreApplication::translate("mainWin", "Its extension block is damaged.");
    }
    return error.text;
}
