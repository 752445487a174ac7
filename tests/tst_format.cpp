#include "settings/camerasettings.h"
#include "settingsbytes.h"

#include <QtTest>

// The camera settings record and its extension block as bytes, without a
// window: what each field holds where, and what comes back as it went.
class tst_Format : public QObject
{
    Q_OBJECT

private slots:
    void fieldsInTheirPlaces_data();
    void fieldsInTheirPlaces();
};

void tst_Format::fieldsInTheirPlaces_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<double>>("values"); // the first fields, in the table's order
    QTest::addColumn<int>("held");
    QTest::addColumn<QByteArray>("newer"); // values only a newer block knows
    // Left border, the two distance flags, the scales, camera 1 shown, its focus, f-number,
    // focal length, CoC; camera 2 shown, its focus, f-number, focal length, CoC.
    const QList<double> start{1, 1, 0, 10, 10, 1, 4, 2, 85, 0.0125, 1, 4, 2, 135, 0.0125};
    QTest::newRow("the record alone") << atStart << start << int(recordFields) << QByteArray();
    QTest::newRow("each field where the record keeps it")
        << with(with(with(with(atStart, 0, 2.5), 8, QByteArray("\x00\x01", 2)), 10,
                     QByteArray("\x00\x00\x00\x25", 4)),
                76, 0.03)
        << QList<double>{2.5, 0, 1, 37, 10, 1, 4, 2, 85, 0.0125, 1, 4, 2, 135, 0.03}
        << int(recordFields) << QByteArray();
    QTest::newRow("the block's first values")
        << extended(1, presetValues) << start + QList<double>{1, 0, 0, 3, 1, 40, 0, 25.4, 2}
        << int(blockVersionEnds.front()) << QByteArray();
    const QList<double> presets{1, 0, 0, 3, 1, 40, 0, 25.4, 2, 0, 0, 0, 0, 0};
    QTest::newRow("version 2: the pupils and diffraction")
        << extended(2, presetValues + pupilValues) << start + presets + QList<double>{0.5, 2, 1, 0}
        << int(settingsTypes.size()) << QByteArray();
    QTest::newRow("a newer block: its tail kept")
        << extended(3, presetValues + classicValues + "tail") << start << int(settingsTypes.size())
        << QByteArray("tail");
}

void tst_Format::fieldsInTheirPlaces()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<double>, values);
    QFETCH(int, held);
    QFETCH(QByteArray, newer);
    FileError error;
    const std::optional<CameraSettings> settings = CameraSettings::fromBytes(bytes, &error);
    QVERIFY2(settings, qPrintable(QString::number(error.reason)));
    QCOMPARE(int(settings->held), held);
    for (qsizetype k = 0; k < values.size(); ++k)
        QVERIFY2(settings->values[std::size_t(k)] == values[k], qPrintable(QString::number(k)));
    QCOMPARE(settings->newerValues, newer);
    // Written back, a whole file comes back byte for byte; the record alone
    // comes back as its own first 84 bytes.
    const QByteArray back = settings->toBytes();
    QCOMPARE(held == int(recordFields) ? back.left(CameraSettings::recordSize) : back, bytes);
}

QTEST_GUILESS_MAIN(tst_Format)
#include "tst_format.moc"
