#ifndef COUTCAPTURE_H
#define COUTCAPTURE_H

#include <QString>
#include <QStringList>

#include <iostream>
#include <sstream>

// Standard output, or another stream, caught while it lives: the program's
// trace lines.
class CoutCapture
{
public:
    explicit CoutCapture(std::ostream &caught = std::cout)
        : stream(caught)
        , previous(caught.rdbuf(buffer.rdbuf()))
    {}
    ~CoutCapture() { stream.rdbuf(previous); }
    QStringList lines() const
    {
        return QString::fromStdString(buffer.str()).split('\n', Qt::SkipEmptyParts);
    }
    void clear() { buffer.str({}); }

private:
    std::ostream &stream;
    std::ostringstream buffer;
    std::streambuf *previous;
};

#endif // COUTCAPTURE_H
