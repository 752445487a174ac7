#include <QtTest>

#include <QProcess>

#include "startuptrace.h"

// The executables as a user or a script starts them.
class tst_Process : public QObject
{
    Q_OBJECT

private slots:
    void wrongArgumentCount_data();
    void wrongArgumentCount();
    void acceptedArgumentCounts_data();
    void acceptedArgumentCounts();
    void quitEndsWithStatusZero();
};

void tst_Process::wrongArgumentCount_data()
{
    QTest::addColumn<int>("count");
    for (int count : {1, 2, 3, 4, 6, 7})
        QTest::newRow(qPrintable(QStringLiteral("%1 arguments").arg(count))) << count;
}

void tst_Process::wrongArgumentCount()
{
    QFETCH(int, count);

    QStringList arguments;
    for (int i = 0; i < count; ++i)
        arguments << QStringLiteral("picture%1.jpg").arg(i);
    QProcess process;
    // No display at all: the usage line must come before any application object.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SHARPA_BINARY), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 255);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()),
             QStringLiteral("Usage: " SHARPA_BINARY
                            " center.jpg upperRight.jpg lowerleft.jpg lowerRight.jpg "
                            "upperLeft.jpg\n"));
}

void tst_Process::acceptedArgumentCounts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList();
    QTest::newRow("five") << QStringList({"a.jpg", "b.jpg", "c.jpg", "d.jpg", "e.jpg"});
}

void tst_Process::acceptedArgumentCounts()
{
    QFETCH(QStringList, arguments);

    // The program never flushes; line buffering lets the trace through while it runs.
    QProcess process;
    process.start(QStringLiteral("stdbuf"),
                  QStringList{QStringLiteral("-oL"), QStringLiteral(SHARPA_BINARY)} + arguments);
    QVERIFY(process.waitForStarted(30000));
    QByteArray output;
    QDeadlineTimer deadline(30000);
    while (output.count('\n') < 2 && !deadline.hasExpired()
           && process.state() == QProcess::Running) {
        process.waitForReadyRead(1000);
        output += process.readAllStandardOutput();
    }
    QCOMPARE(process.state(), QProcess::Running);
    QCOMPARE(QString::fromLocal8Bit(output), startupTraceText());
    process.kill();
    process.waitForFinished();
}

void tst_Process::quitEndsWithStatusZero()
{
    QProcess process;
    process.start(QStringLiteral(QUITHELPER_BINARY));
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    // The buffered trace of the start-up recalculation is not lost.
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()), startupTraceText());
}

QTEST_GUILESS_MAIN(tst_Process)
#include "tst_process.moc"
