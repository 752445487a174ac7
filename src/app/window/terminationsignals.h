#ifndef TERMINATIONSIGNALS_H
#define TERMINATIONSIGNALS_H

#include <QObject>

class QSocketNotifier;

// SIGTERM and SIGHUP (a logout, a shutdown, a closed terminal) as a Qt
// signal in the event loop, where the window may still write a file: the
// handler only writes a byte to a socket that the loop watches.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    QSocketNotifier *notifier = nullptr;
};

#endif // TERMINATIONSIGNALS_H
