#include "app/camerasettings.h"
#include "settingsbytes.h"

#include <QtTest>

#include <QTemporaryDir>

#include <csignal>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>

namespace {

CameraSettings formAtStart()
{
    CameraSettings settings;
    settings.leftBorder = 1.0;
    settings.distanceCam = true;
    settings.distanceFP = false;
    settings.xScale = 10;
    settings.yScale = 10;
    settings.cameras[0] = {true, 4.0, 2.0, 85.0, 0.0125};
    settings.cameras[1] = {true, 4.0, 2.0, 135.0, 0.0125};
    return settings;
}

bool sameSettings(const CameraSettings &a, const CameraSettings &b)
{
    return a.toBytes() == b.toBytes();
}

} // namespace

class tst_CameraSettings : public QObject
{
    Q_OBJECT

private slots:
    void encodesTheFormAtStart();
    void roundTrip_data();
    void roundTrip();
    void rejects_data();
    void rejects();
    void longerFileReadsItsFirst84Bytes();
    void anyNonZeroByteIsTrue_data();
    void anyNonZeroByteIsTrue();
    void writeAndRead();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void unreadablePath();
};

void tst_CameraSettings::encodesTheFormAtStart()
{
    QCOMPARE(formAtStartBytes().size(), 84);
    QCOMPARE(formAtStart().toBytes().toHex(' '), formAtStartBytes().toHex(' '));
}

void tst_CameraSettings::roundTrip_data()
{
    QTest::addColumn<double>("leftBorder");
    QTest::addColumn<int>("xScale");
    QTest::addColumn<double>("coc");

    QTest::newRow("ordinary") << 2.5 << 37 << 0.0288;
    QTest::newRow("extremes") << 99999.0 << 99 << 0.0001;
    QTest::newRow("negative and denormal") << -1.0 << -5 << 4.9e-324;
    QTest::newRow("huge") << 1e308 << std::numeric_limits<int>::max() << 1e-300;
}

void tst_CameraSettings::roundTrip()
{
    QFETCH(double, leftBorder);
    QFETCH(int, xScale);
    QFETCH(double, coc);

    CameraSettings settings = formAtStart();
    settings.leftBorder = leftBorder;
    settings.xScale = xScale;
    settings.distanceFP = true;
    settings.cameras[1].inUse = false;
    settings.cameras[1].coc = coc;
    const std::optional<CameraSettings> back = CameraSettings::fromBytes(settings.toBytes());
    QVERIFY(back);
    QCOMPARE(back->leftBorder, leftBorder);
    QCOMPARE(back->xScale, xScale);
    QCOMPARE(back->cameras[1].coc, coc);
    QVERIFY(back->distanceFP);
    QVERIFY(!back->cameras[1].inUse);
    QVERIFY(sameSettings(*back, settings));
}

void tst_CameraSettings::rejects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");

    const QString tooShort = QStringLiteral("bytes; a camera settings file holds 84");
    const QString notANumber = QStringLiteral("not a number");
    QTest::newRow("empty") << QByteArray() << tooShort;
    QTest::newRow("50 bytes") << formAtStartBytes().left(50) << tooShort;
    QTest::newRow("83 bytes") << formAtStartBytes().left(83) << tooShort;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("NaN left border") << withDouble(formAtStartBytes(), 0, nan) << notANumber;
    QTest::newRow("infinite focus") << withDouble(formAtStartBytes(), 19, inf) << notANumber;
    QTest::newRow("-inf focal length 2") << withDouble(formAtStartBytes(), 68, -inf) << notANumber;
    QTest::newRow("NaN last CoC") << withDouble(formAtStartBytes(), 76, nan) << notANumber;
}

void tst_CameraSettings::rejects()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    QString error;
    QVERIFY(!CameraSettings::fromBytes(bytes, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void tst_CameraSettings::longerFileReadsItsFirst84Bytes()
{
    const std::optional<CameraSettings> settings
        = CameraSettings::fromBytes(formAtStartBytes() + QByteArray(100, '\xff'));
    QVERIFY(settings);
    QVERIFY(sameSettings(*settings, formAtStart()));
}

void tst_CameraSettings::anyNonZeroByteIsTrue_data()
{
    QTest::addColumn<int>("byte");
    for (int byte : {0, 1, 2, 127, 128, 255})
        QTest::addRow("%d", byte) << byte;
}

void tst_CameraSettings::anyNonZeroByteIsTrue()
{
    QFETCH(int, byte);

    QByteArray bytes = formAtStartBytes();
    for (int offset : {8, 9, 18, 51})
        bytes[offset] = char(byte);
    const std::optional<CameraSettings> settings = CameraSettings::fromBytes(bytes);
    QVERIFY(settings);
    QCOMPARE(settings->distanceCam, byte != 0);
    QCOMPARE(settings->distanceFP, byte != 0);
    QCOMPARE(settings->cameras[0].inUse, byte != 0);
    QCOMPARE(settings->cameras[1].inUse, byte != 0);
}

void tst_CameraSettings::writeAndRead()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("camera.cbp"));
    QVERIFY(SettingsFile::write(path, formAtStart()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), formAtStartBytes());
    const std::optional<CameraSettings> back = SettingsFile::read(path);
    QVERIFY(back);
    QVERIFY(sameSettings(*back, formAtStart()));
}

void tst_CameraSettings::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("sizeLimit");

    QTest::newRow("folder that does not exist") << "missing/camera.cbp" << false;
    QTest::newRow("under a plain file") << "plain/camera.cbp" << false;
    QTest::newRow("a folder, not a file") << "folder" << false;
    QTest::newRow("read-only folder") << "readonly/old.cbp" << false;
    QTest::newRow("the disk refuses the bytes") << "old.cbp" << true;
}

void tst_CameraSettings::failedWriteKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(bool, sizeLimit);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray old("the user's old file");
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("readonly")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder")));
    for (const char *name : {"plain", "old.cbp", "readonly/old.cbp"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    const QString readonly = dir.filePath(QStringLiteral("readonly"));
    QFile::setPermissions(readonly, QFile::ReadOwner | QFile::ExeOwner);
    const auto writable = qScopeGuard([&] {
        QFile::setPermissions(readonly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (target.startsWith(QLatin1String("readonly")) && ::geteuid() == 0)
        QSKIP("root may write into a read-only folder");

    rlimit previous{};
    if (sizeLimit) {
        // Writes past 40 bytes fail with EFBIG instead of raising SIGXFSZ.
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit small{40, previous.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    QString error;
    const bool written = SettingsFile::write(dir.filePath(target), formAtStart(), &error);
    if (sizeLimit)
        ::setrlimit(RLIMIT_FSIZE, &previous);

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    for (const char *name : {"old.cbp", "readonly/old.cbp", "plain"}) {
        QFile kept(dir.filePath(QLatin1String(name)));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
    }
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
}

void tst_CameraSettings::unreadablePath()
{
    QTemporaryDir dir;
    QString error;
    QVERIFY(!SettingsFile::read(dir.filePath(QStringLiteral("nothing.cbp")), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!SettingsFile::read(dir.path(), &error)); // a folder
}

QTEST_APPLESS_MAIN(tst_CameraSettings)
#include "tst_camerasettings.moc"
