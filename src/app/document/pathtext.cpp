#include "pathtext.h"

#include <QDir>

QString pathText(const QString &path)
{
    QString text;
    for (const QChar c : QDir::toNativeSeparators(path)) {
        if (c == QLatin1Char('\n'))
            text += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            text += QLatin1String("\\t");
        else if (c.category() == QChar::Other_Control)
            text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            text += c;
    }
    return text;
}
