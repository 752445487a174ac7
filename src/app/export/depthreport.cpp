#include "depthreport.h"

#include "optics/depthtable.h"
#include "plan/shotmodel.h"
#include "text/readout.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
#include <memory>

namespace DepthReport {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DepthReport", text);
}

QString fNumber(double apature)
{
    return QStringLiteral("f/") + QLocale().toString(apature, 'g', 3);
}

QString footer(const QString &credit)
{
    return QStringLiteral("<p style=\"font-size:7pt\">%1</p>")
        .arg(tr("Made with %1 on %2")
                 .arg(credit, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat))
                 .toHtmlEscaped());
}

QString describe(const Camera &camera, LengthUnit unit)
{
    const QLocale locale;
    const CameraOptics &optics = camera.setup.optics;
    return (camera.origin.sensor
                ? tr("Focal length %1 mm, CoC %2 mm, crop factor %3, %4, distances in %5 from "
                     "the sensor plane")
                : tr("Focal length %1 mm, CoC %2 mm, crop factor %3, %4, distances in %5"))
        .arg(locale.toString(optics.flength, 'f', 2), locale.toString(optics.coc, 'f', 4),
             locale.toString(camera.setup.cropFactor, 'f', 1),
             camera.setup.diffraction ? tr("with diffraction") : tr("without diffraction"),
             QLatin1String(Length::symbolOf(unit)));
}

QString limits(const DepthOfField &depth, LengthUnit unit, const QString &between)
{
    if (depth.state != DepthOfField::Sharp)
        return QStringLiteral("–");
    const QLocale locale;
    const double apart = depth.farLimit - depth.nearLimit;
    return Readout::limit(depth.nearLimit, locale, unit, apart) + between
        + Readout::limit(depth.farLimit, locale, unit, apart);
}

DepthTable tableOf(const Camera &camera, LengthUnit unit)
{
    return DepthTable::build(camera.setup.optics, camera.setup.diffraction, unit, camera.minimum,
                             camera.maximum, camera.origin);
}

// A CSV field, quoted where it holds a comma or a quote.
QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

// To the third decimal, and close up as many more as tell it from a value
// apart by that much.
QString decimal(double value, double apart)
{
    const int decimals = apart > 0 && std::isfinite(apart)
        ? std::clamp(int(std::ceil(-std::log10(apart))), 3, 9)
        : 3;
    return QString::number(value, 'f', decimals);
}

// Empty where there is no distance; in the unit, as decimal() writes it.
QString number(double mm, LengthUnit unit, double apart = 0)
{
    if (std::isnan(mm))
        return {};
    if (std::isinf(mm))
        return QStringLiteral("∞");
    return decimal(Length::millimetres(mm).in(unit), Length::millimetres(apart).in(unit));
}

} // namespace

QStringList tables(const std::vector<Camera> &cameras, LengthUnit unit, const QString &credit)
{
    QStringList sections;
    const QLocale locale;
    for (const Camera &camera : cameras) {
        const DepthTable table = tableOf(camera, unit);
        const DistanceOrigin &origin = camera.origin;
        QString html = QStringLiteral("<h3>%1</h3><p>%2</p>")
                           .arg(tr("Depth of field: Camera %1").arg(camera.index + 1),
                                describe(camera, unit).toHtmlEscaped());
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                               "style=\"font-size:7pt\"><tr><th>%1</th>")
                    .arg(tr("Focus"));
        for (std::size_t column = 0; column < table.apatures.size(); ++column)
            html += column == table.ownColumn
                // Never wrapped before its bracket.
                ? QStringLiteral("<th style=\"white-space:nowrap\"><u>%1</u></th>")
                      .arg(tr("%1 (set)").arg(fNumber(table.apatures[column])))
                : QStringLiteral("<th>%1</th>").arg(fNumber(table.apatures[column]));
        html += QStringLiteral("</tr>");
        for (std::size_t row = 0; row < table.rows(); ++row) {
            html += QStringLiteral("<tr><th>%1</th>")
                        .arg(row == 0 ? tr("Hyperfocal")
                                      : Readout::limit(origin.fromLens(table.focusAt(row, 0)),
                                                       locale, unit));
            for (std::size_t column = 0; column < table.apatures.size(); ++column) {
                const double focus = table.focusAt(row, column);
                const DepthOfField depth = origin.fromLens(
                    table.cell(camera.setup.optics, camera.setup.diffraction, row, column), focus);
                // No hyperfocal distance where nothing is sharp at the stop.
                html += row == 0 && !std::isnan(focus)
                    ? QStringLiteral("<td>H %1<br>%2</td>")
                          .arg(Readout::limit(origin.fromLens(focus), locale, unit),
                               limits(depth, unit, QStringLiteral(" – ")))
                    : QStringLiteral("<td>%1</td>")
                          .arg(limits(depth, unit, QStringLiteral(" –<br>")));
            }
            html += QStringLiteral("</tr>");
        }
        sections << html + QStringLiteral("</table>") + footer(credit);
    }
    return sections;
}

QByteArray tablesCsv(const std::vector<Camera> &cameras, LengthUnit unit)
{
    QStringList lines;
    const QString symbol = QLatin1String(Length::symbolOf(unit));
    for (const Camera &camera : cameras) {
        const DepthTable table = tableOf(camera, unit);
        const DistanceOrigin &origin = camera.origin;
        if (!lines.isEmpty())
            lines << QString();
        lines << field(tr("Depth of field: Camera %1").arg(camera.index + 1) + QStringLiteral(": ")
                       + describe(camera, unit));
        QStringList header{tr("Focus [%1]").arg(symbol)};
        for (const double apature : table.apatures) {
            const QString stop = QString::number(apature, 'g', 3);
            header << tr("f/%1 near [%2]").arg(stop, symbol)
                   << tr("f/%1 far [%2]").arg(stop, symbol);
        }
        lines << header.join(QLatin1Char(','));
        QStringList hyperfocal{tr("Hyperfocal distance")};
        for (std::size_t column = 0; column < table.apatures.size(); ++column)
            hyperfocal << number(origin.fromLens(table.hyperfocals[column]), unit) << QString();
        lines << hyperfocal.join(QLatin1Char(','));
        for (std::size_t row = 0; row < table.rows(); ++row) {
            QStringList cells{row == 0 ? tr("At the hyperfocal distance")
                                       : number(origin.fromLens(table.focusAt(row, 0)), unit)};
            for (std::size_t column = 0; column < table.apatures.size(); ++column) {
                const DepthOfField depth = origin.fromLens(
                    table.cell(camera.setup.optics, camera.setup.diffraction, row, column),
                    table.focusAt(row, column));
                const bool sharp = depth.state == DepthOfField::Sharp;
                const double apart = depth.farLimit - depth.nearLimit;
                cells << (sharp ? number(depth.nearLimit, unit, apart) : QString())
                      << (sharp ? number(depth.farLimit, unit, apart) : QString());
            }
            lines << cells.join(QLatin1Char(','));
        }
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

QStringList cards(const std::vector<std::pair<int, ShotCard>> &cards, LengthUnit unit,
                  const QString &credit)
{
    QStringList sections;
    const QLocale locale;
    for (const auto &[index, card] : cards) {
        QString html = QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p>")
                           .arg(tr("Shot card: Camera %1, %2").arg(index + 1).arg(card.range),
                                card.settings.toHtmlEscaped(), card.plan.toHtmlEscaped(),
                                card.stack.toHtmlEscaped());
        if (!card.shots.empty()) {
            // As the Plan lists them.
            ShotModel shots;
            shots.setShots(card.shots, unit, card.origin);
            html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">");
            for (int row = -1; row < shots.rowCount(); ++row) {
                html += QStringLiteral("<tr>");
                for (int column = 0; column < shots.columnCount(); ++column)
                    html += row < 0 ? QStringLiteral("<th>%1</th>")
                                          .arg(shots.headerData(column, Qt::Horizontal).toString())
                                    : QStringLiteral("<td>%1</td>")
                                          .arg(shots.data(shots.index(row, column)).toString());
                html += QStringLiteral("</tr>");
            }
            html += QStringLiteral("</table>");
        }
        sections << html + footer(credit);
    }
    return sections;
}

QByteArray cardsCsv(const std::vector<std::pair<int, ShotCard>> &cards, LengthUnit unit)
{
    // Half a shot's depth: its focus and limits read apart.
    const auto apart = [](const Planning::Shot &shot) {
        return (shot.farLimit - shot.nearLimit) / 2;
    };
    QStringList lines;
    const QString symbol = QLatin1String(Length::symbolOf(unit));
    for (const auto &[index, card] : cards) {
        if (!lines.isEmpty())
            lines << QString();
        // On a rail, where the rail is set, in millimetres as rails are marked.
        const bool rail = Planning::onRail(card.shots);
        const double step = card.shots.size() > 1 ? card.shots[1].rail - card.shots[0].rail : 0;
        lines << field(tr("Shot card: Camera %1, %2").arg(index + 1).arg(card.range))
              << field(card.settings) << field(card.plan) << field(card.stack)
              << QStringLiteral("#,%1,%2,%3")
                     .arg(rail ? tr("Rail [mm]") : tr("Focus [%1]").arg(symbol),
                          tr("Near [%1]").arg(symbol), tr("Far [%1]").arg(symbol));
        for (std::size_t k = 0; k < card.shots.size(); ++k) {
            const Planning::Shot &shot = card.shots[k];
            const DistanceOrigin &origin = card.origin;
            const auto from = [&](double mm) {
                return number(origin.fromLens(mm, shot.focus - shot.rail), unit, apart(shot));
            };
            lines << QStringLiteral("%1,%2,%3,%4")
                         .arg(k + 1)
                         .arg(rail ? decimal(shot.rail, step) : from(shot.focus),
                              from(shot.nearLimit), from(shot.farLimit));
        }
    }
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

void print(const QStringList &sections, QPagedPaintDevice &device)
{
    // Laid out as the print will lay it out, on the device's pages.
    const auto laidOut = [&](const QString &html) {
        auto document = std::make_unique<QTextDocument>();
        document->documentLayout()->setPaintDevice(&device);
        document->setPageSize(QSizeF(device.width(), device.height()));
        document->setHtml(html);
        return document;
    };
    std::unique_ptr<QTextDocument> document = laidOut(sections.join(QString()));
    if (document->pageCount() > 1)
        document
            = laidOut(sections.join(QStringLiteral("<p style=\"page-break-before:always\"></p>")));
    document->print(&device);
}

} // namespace DepthReport
