#include "document/IconFileFormat.h"

IconFileError IconFileError::notAnIcon(const QString& fileName, const QString& reason) {
    QString text = fileName + QStringLiteral(" is not an icon.");
    if (!reason.isEmpty()) text += QLatin1Char(' ') + reason;
    return IconFileError(text);
}
