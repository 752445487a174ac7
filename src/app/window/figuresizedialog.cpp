#include "figuresizedialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

// -1 for an empty field.
qint64 valueOf(const QLineEdit *side)
{
    bool ok = false;
    const qint64 value = side->text().toLongLong(&ok);
    return ok ? value : -1;
}

} // namespace

FigureSizeDialog::FigureSizeDialog(QWidget *parent, const QString &unit, const QSize &proposed,
                                   const QSize &minimum, const QSize &maximum)
    : QDialog(parent)
    , unit(unit)
    , minimum(minimum)
    , maximum(maximum)
{
    setObjectName(QStringLiteral("figureSize"));
    setWindowTitle(QCoreApplication::translate("mainWin", "Figure Size"));
    auto *form = new QFormLayout(this);
    const QSize start = proposed.expandedTo(minimum).boundedTo(maximum);
    // Any whole number can be typed and stays as typed; the range is checked
    // apart, so that the field can say why it is refused.
    auto *digits
        = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,10}")), this);
    for (std::size_t k = 0; k < sides.size(); ++k) {
        sides[k] = new QLineEdit(QString::number(k == 0 ? start.width() : start.height()), this);
        sides[k]->setValidator(digits);
        connect(sides[k], &QLineEdit::textChanged, this, &FigureSizeDialog::check);
        auto *row = new QHBoxLayout;
        row->addWidget(sides[k]);
        row->addWidget(new QLabel(unit, this));
        form->addRow(k == 0 ? QCoreApplication::translate("mainWin", "&Width:")
                            : QCoreApplication::translate("mainWin", "&Height:"),
                     row);
    }
    range = new QLabel(this);
    range->setObjectName(QStringLiteral("range"));
    range->setWordWrap(true);
    form->addRow(range);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    check();
}

QSize FigureSizeDialog::size() const
{
    return {int(valueOf(sides[0])), int(valueOf(sides[1]))};
}

void FigureSizeDialog::check()
{
    const qint64 width = valueOf(sides[0]);
    const qint64 height = valueOf(sides[1]);
    QString problem;
    if (width < minimum.width() || width > maximum.width())
        problem = QCoreApplication::translate("mainWin", "The width must be from %1 to %2 %3.")
                      .arg(minimum.width())
                      .arg(maximum.width())
                      .arg(unit);
    else if (height < minimum.height() || height > maximum.height())
        problem = QCoreApplication::translate("mainWin", "The height must be from %1 to %2 %3.")
                      .arg(minimum.height())
                      .arg(maximum.height())
                      .arg(unit);
    ok->setEnabled(problem.isEmpty());
    range->setText(problem.isEmpty()
                       ? QCoreApplication::translate(
                             "mainWin", "Width from %1 to %2 %5, height from %3 to %4 %5.")
                             .arg(minimum.width())
                             .arg(maximum.width())
                             .arg(minimum.height())
                             .arg(maximum.height())
                             .arg(unit)
                       : problem);
    // The refusal stands out from the range's plain statement.
    QFont font = range->font();
    font.setBold(!problem.isEmpty());
    range->setFont(font);
}
