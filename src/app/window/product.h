#ifndef PRODUCT_H
#define PRODUCT_H

#include <QLatin1String>

// The program's name and version, untranslated wherever they stand: titles,
// the chart's credit, exported documents, the command line.
inline constexpr QLatin1String productName("Sharpa");
inline constexpr QLatin1String productVersion("0.01beta");

#endif // PRODUCT_H
