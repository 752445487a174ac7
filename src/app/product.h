#ifndef PRODUCT_H
#define PRODUCT_H

#include <QLatin1String>

// The program's name, untranslated wherever it stands: titles, the chart's
// credit, exported documents.
inline constexpr QLatin1String productName("Sharpa");

#endif // PRODUCT_H
