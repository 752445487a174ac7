#ifndef DECIMALKEYS_H
#define DECIMALKEYS_H

class QWidget;

// Makes every double spin box below root read a typed '.' or ',' as its
// decimal point, never as a thousands separator.
void acceptBothDecimalSeparators(QWidget *root);

#endif // DECIMALKEYS_H
