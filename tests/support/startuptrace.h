#ifndef STARTUPTRACE_H
#define STARTUPTRACE_H

#include <QStringList>

// The two lines the first recalculation writes, camera 1's first.
inline QStringList startupTrace()
{
    return {QStringLiteral("init - fdist: 4000 apature: 2 flength: 85 coc: 0.0125 adia: 42.5 "
                           "dif: 0.0013542"),
            QStringLiteral("init - fdist: 4000 apature: 2 flength: 135 coc: 0.0125 adia: 67.5 "
                           "dif: 0.0013542")};
}

// The same as a process writes it to standard output.
inline QString startupTraceText()
{
    return startupTrace().join(QLatin1Char('\n')) + QLatin1Char('\n');
}

#endif // STARTUPTRACE_H
