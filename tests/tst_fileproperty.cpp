#include "app/mainwin.h"
#include "coutcapture.h"
#include "fakeprompts.h"
#include "formsnapshot.h"
#include "settingsbytes.h"

#include <QtTest>

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <limits>

// Thousands of generated files, loaded through the real window: each one
// either loads with every control inside its range, or is refused with
// nothing changed.
class tst_FileProperty : public QObject
{
    Q_OBJECT

private slots:
    void loadsOrChangesNothing();
};

namespace {

// Offsets and kinds of the fifteen values.
const int doubleOffsets[] = {0, 19, 27, 35, 43, 52, 60, 68, 76};
const int boolOffsets[] = {8, 9, 18, 51};
const int intOffsets[] = {10, 14};

double interestingDouble(QRandomGenerator &random)
{
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::denorm_min(),
                             -std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::max(),
                             -std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             0.0,
                             -0.0,
                             -1.0,
                             1e-300,
                             2147483648.0,
                             -9.2e18};
    if (random.bounded(3) == 0)
        return values[random.bounded(int(std::size(values)))];
    return random.generateDouble() * 200000 - 100000;
}

QByteArray generateFile(QRandomGenerator &random)
{
    const int shape = random.bounded(10);
    if (shape == 0) { // raw bytes of any length up to 200
        QByteArray bytes(random.bounded(201), '\0');
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        return bytes;
    }
    QByteArray bytes = formAtStartBytes();
    for (int offset : doubleOffsets) {
        if (random.bounded(2))
            bytes = withDouble(bytes, offset, interestingDouble(random));
    }
    for (int offset : boolOffsets)
        bytes[offset] = char(random.bounded(256));
    for (int offset : intOffsets) {
        const qint32 values[] = {std::numeric_limits<qint32>::min(),
                                 std::numeric_limits<qint32>::max(),
                                 -1,
                                 0,
                                 1,
                                 99,
                                 100,
                                 qint32(random.generate())};
        const auto value = quint32(values[random.bounded(int(std::size(values)))]);
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char(value >> (24 - 8 * i));
    }
    if (shape == 1) // cut short
        bytes.truncate(random.bounded(84));
    else if (shape == 2) // with a tail
        bytes.append(QByteArray(random.bounded(1, 117), char(random.bounded(256))));
    return bytes;
}

bool insideRanges(const mainWin &w, QString *what)
{
    for (const QDoubleSpinBox *box : w.findChildren<QDoubleSpinBox *>()) {
        if (!(box->value() >= box->minimum() && box->value() <= box->maximum())) {
            *what = box->objectName();
            return false;
        }
    }
    for (const QAbstractSlider *slider :
         {static_cast<QAbstractSlider *>(w.qxscale), static_cast<QAbstractSlider *>(w.qyscale)}) {
        if (slider->value() < 1 || slider->value() > 99) {
            *what = slider->objectName();
            return false;
        }
    }
    if (w.distanceCam->isChecked() == w.distanceFP->isChecked()) {
        *what = QStringLiteral("radio pair");
        return false;
    }
    for (int k = 0; k < 2; ++k) {
        const CameraOptics &camera = w.camera(k);
        if (!std::isfinite(camera.hyperfocal()) || !std::isfinite(camera.adia)) {
            *what = QStringLiteral("camera record");
            return false;
        }
    }
    return true;
}

} // namespace

void tst_FileProperty::loadsOrChangesNothing()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    CoutCapture out;
    mainWin window;
    auto log = std::make_shared<FakePrompts::Log>();
    window.setPrompts(std::make_unique<FakePrompts>(log));

    QRandomGenerator random(20261206);
    int loaded = 0;
    int refused = 0;
    for (int n = 0; n < 3000; ++n) {
        const QByteArray bytes = generateFile(random);
        const QString path = dir.filePath(QStringLiteral("f%1.cbp").arg(n));
        QVERIFY(writeBytes(path, bytes));

        const QString before = formSnapshot(window);
        out.clear();
        log->warnings.clear();
        log->answers << path;
        window.load();
        const QString context
            = QStringLiteral("file %1: %2").arg(n).arg(QString::fromLatin1(bytes.toHex()));
        if (log->warnings.isEmpty()) {
            ++loaded;
            QString what;
            QVERIFY2(insideRanges(window, &what), qPrintable(what + QLatin1Char(' ') + context));
            QCOMPARE(window.currentFileName(), path);
        } else {
            ++refused;
            QVERIFY2(formSnapshot(window) == before, qPrintable(context));
            QVERIFY2(out.text().isEmpty(), qPrintable(context));
        }
    }
    // Both outcomes must be exercised often.
    QVERIFY(loaded > 300);
    QVERIFY(refused > 300);
}

QTEST_MAIN(tst_FileProperty)
#include "tst_fileproperty.moc"
