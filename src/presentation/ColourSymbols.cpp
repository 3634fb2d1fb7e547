#include "presentation/ColourSymbols.h"
#include "presentation/LanguageFile.h"

ColourSymbol SymbolOfColour(int colourIndex) {
    switch (colourIndex) {
    case 1: return ColourSymbol::Ring;
    case 2: return ColourSymbol::Square;
    case 3: return ColourSymbol::Triangle;
    case 4: return ColourSymbol::Diamond;
    case 5: return ColourSymbol::Cross;
    case 6: return ColourSymbol::Star;
    default: return ColourSymbol::None;
    }
}

// FIXED TEXT: the language files have no entry for this menu item, so its caption is
// chosen here by the language's name: Hungarian for the default language, English for
// every other one.
QString ColourSymbolsCaption(const QString& languageName) {
    if (languageName == QLatin1String(kDefaultLanguage))
        return QString::fromUtf8("Szimbólumok a színeken");
    return QStringLiteral("Symbols on colours");
}
