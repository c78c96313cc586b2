#include "programmsymbol.h"

// The resource lives in a static library: it must be registered by name.
static void SymbolRessourceLaden()
{
    Q_INIT_RESOURCE(merkwerk);
}

QIcon ProgrammSymbol()
{
    SymbolRessourceLaden();
    return QIcon(QStringLiteral(":/symbol/merkwerk.svg"));
}
