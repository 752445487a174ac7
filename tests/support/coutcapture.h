#ifndef COUTCAPTURE_H
#define COUTCAPTURE_H

#include <QString>
#include <QStringList>

#include <iostream>
#include <sstream>

// Standard output caught while it lives: the program's trace lines.
class CoutCapture
{
public:
    CoutCapture()
        : previous(std::cout.rdbuf(buffer.rdbuf()))
    {}
    ~CoutCapture() { std::cout.rdbuf(previous); }
    QStringList lines() const
    {
        return QString::fromStdString(buffer.str()).split('\n', Qt::SkipEmptyParts);
    }
    void clear() { buffer.str({}); }

private:
    std::ostringstream buffer;
    std::streambuf *previous;
};

#endif // COUTCAPTURE_H
