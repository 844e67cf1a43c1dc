#include "values/TextCatalogue.h"

#include <QCoreApplication>
#include <QTranslator>

QString TextCatalogue::translate(const char *context, const char *sourceText) const
{
    if (!m_translator)
        return QCoreApplication::translate(context, sourceText);
    const QString text = m_translator->translate(context, sourceText);
    return text.isEmpty() ? QString::fromUtf8(sourceText) : text;
}
