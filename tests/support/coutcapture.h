#ifndef COUTCAPTURE_H
#define COUTCAPTURE_H

#include <QString>
#include <QStringList>

#include <iostream>
#include <sstream>

// Collects what std::cout receives while it lives.
class CoutCapture
{
public:
    CoutCapture()
        : previous(std::cout.rdbuf(buffer.rdbuf()))
    {}
    ~CoutCapture() { std::cout.rdbuf(previous); }
    CoutCapture(const CoutCapture &) = delete;
    CoutCapture &operator=(const CoutCapture &) = delete;

    QString text() const { return QString::fromStdString(buffer.str()); }
    QStringList lines() const { return text().split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    void clear() { buffer.str({}); }

private:
    std::ostringstream buffer;
    std::streambuf *previous;
};

#endif // COUTCAPTURE_H
