#ifndef SHARPATEST_H
#define SHARPATEST_H

// What the suites share: standard output caught, scripted dialogs, the form
// driven and read by control names, the chart rendered, reference images.
#include "app/window/mainwin.h"
#include "app/window/prompts.h"
#include "app/window/translations.h"
#include "chart/chartpainter.h"
#include "chart/graph.h"
#include "chart/scene.h"
#include "coutcapture.h"

#include <QPainter>
#include <QPrinter>
#include <QtTest>

// Settings go to Qt's test location, below the suite's own home.
inline const bool settingsForTests = (QStandardPaths::setTestModeEnabled(true), true);

// Answers file dialogs from a script (none left: cancel) and records every
// question and warning, so that no test can hang on a modal dialog.
// The locale, with the program's and Qt's translations for it, until the
// guard ends; then the C locale, untranslated.
[[nodiscard]] inline auto translatedAs(const QLocale &locale)
{
    QLocale::setDefault(locale);
    installTranslations(*QCoreApplication::instance(), locale);
    return qScopeGuard([] {
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
        QLocale::setDefault(QLocale::c());
    });
}

struct FakePrompts : Prompts
{
    QStringList answers, questions, warnings;
    QString directory; // where the last file dialog started
    QString filter;    // chosen in the next save dialog that offers a choice
    QSize size;        // answered in the next size dialog; empty: the size proposed
    QSize smallest;    // offered by the last size dialog
    QList<QMessageBox::StandardButton> decisions; // none left: Discard

    QString openFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &filter) override
    {
        return directory = folder, ask("open|" + caption + '|' + filter);
    }
    QString saveFileName(QWidget *, const QString &caption, const QString &folder,
                         const QString &filter, QString *selected) override
    {
        if (selected && !this->filter.isEmpty())
            *selected = this->filter;
        return directory = folder, ask("save|" + caption + '|' + filter);
    }
    QSize figureSize(QWidget *, const QString &unit, const QSize &proposed, const QSize &minimum,
                     const QSize &) override
    {
        smallest = minimum;
        questions
            << QString("size|%1|%2x%3").arg(unit).arg(proposed.width()).arg(proposed.height());
        const QSize answer = std::exchange(size, {});
        return answer.isEmpty() ? proposed : answer;
    }
    int choose(QWidget *, const QString &, const QString &label, const QStringList &items) override
    {
        questions << label + '|' + items.join('|');
        return chosen;
    }
    int chosen = 0; // answered in the next choice
    // Prints to the PDF file that the next answer names.
    bool setUpPrinter(QWidget *, QPrinter &printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ask("print"));
        return true;
    }
    void warn(QWidget *, const QString &, const QString &text) override { warnings << text; }
    QMessageBox::StandardButton ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) override
    {
        questions << text;
        return decisions.isEmpty() ? QMessageBox::Discard : decisions.takeFirst();
    }
    QString ask(const QString &question)
    {
        questions << question;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};

inline FakePrompts *fakePrompts(mainWin &window)
{
    auto prompts = std::make_unique<FakePrompts>();
    FakePrompts *script = prompts.get();
    window.setPrompts(std::move(prompts));
    return script;
}

// "name=value name! ..." sets each named control, or clicks it, as a user would;
// "name.property=value" sets another property.
inline void act(QObject &root, const QString &steps)
{
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        auto *control = root.findChild<QObject *>(step.section(QRegularExpression("[=!.]"), 0, 0));
        QVERIFY2(control, qPrintable(step));
        if (step.contains('!')) { // "name!" clicks or triggers, "name!slot" calls the slot
            const QString slot = step.section('!', 1);
            QVERIFY(QMetaObject::invokeMethod(control,
                                              !slot.isEmpty() ? qPrintable(slot)
                                                  : qobject_cast<QAction *>(control) ? "trigger"
                                                                                     : "click"));
            continue;
        }
        const QString named = step.section('=', 0, 0).section('.', 1); // "name.property=value"
        const QString property = !named.isEmpty()  ? named
            : qobject_cast<QComboBox *>(control)   ? "currentIndex"
            : control->property("value").isValid() ? "value"
                                                   : "checked";
        QVERIFY2(control->setProperty(qPrintable(property), step.section('=', 1)),
                 qPrintable(step));
    }
}

// "name.property=value; ..." with each value as the form reports it now.
inline QString observe(const QObject &root, const QString &expected)
{
    QStringList seen;
    for (const QString &item : expected.split(QRegularExpression(R"(; (?=\w+\.\w+=))"))) {
        const QString name = item.section('.', 0, 0);
        const QString property = item.section('.', 1).section('=', 0, 0);
        const QObject *control
            = name == root.objectName() ? &root : root.findChild<QObject *>(name);
        const auto *bar = qobject_cast<const QStatusBar *>(control);
        seen << name + '.' + property + '='
                + (!control ? "none"
                       : bar && property == "currentMessage"
                       ? bar->currentMessage()
                       : control->property(qPrintable(property)).toString());
    }
    return seen.join("; ");
}

// Every value of the form that a user or a file can change, with each spin box's minimum.
inline QString formSnapshot(const mainWin &w)
{
    QStringList values;
    for (const QDoubleSpinBox *box : w.centralWidget()->findChildren<QDoubleSpinBox *>())
        values << QString::number(box->minimum());
    for (const QObject *control : w.centralWidget()->findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
            continue; // where a scroll area or a tab widget shows its controls
        values << control->property("value").toString() + control->property("checked").toString()
                + control->property("currentIndex").toString();
    }
    return values.join(' ');
}

// The chart paints no background of its own: it is drawn onto white.
inline QImage renderChart(const mainWin &window, const QSize &size, qreal ratio = 1, int dpi = 96)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    ChartPainter::paint(painter, size, window.scene());
    return image;
}

// Compares with tests/data/NAME.png, checked by eye; SHARPA_UPDATE_REFERENCE=1 rewrites it.
inline void compareToReference(const QImage &actual, const QString &name)
{
    const QString path = QStringLiteral(SHARPA_TEST_DATA "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("SHARPA_UPDATE_REFERENCE"))
        QVERIFY(actual.save(path));
    const QImage expected = QImage(path).convertToFormat(actual.format());
    if (expected != actual) {
        QRect differs;
        for (int y = 0; y < std::min(actual.height(), expected.height()); ++y)
            for (int x = 0; x < std::min(actual.width(), expected.width()); ++x)
                differs |= actual.pixel(x, y) != expected.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
        const QString seen = QDir::temp().filePath(name + "-seen.png");
        actual.save(seen);
        QFAIL(
            qPrintable(QStringLiteral("differs from %1 within (%2, %3) to (%4, %5); drawn now: %6")
                           .arg(path)
                           .arg(differs.left())
                           .arg(differs.top())
                           .arg(differs.right())
                           .arg(differs.bottom())
                           .arg(seen)));
    }
}

#endif // SHARPATEST_H
