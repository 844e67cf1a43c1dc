#pragma once

#include <QString>

class QTranslator;

// Where a translated text comes from: the application's installed language,
// or a catalogue of its own read without installing it, so that the board
// answers each browser in its language while the program's stays as it is.
class TextCatalogue
{
public:
    // The installed language: what tr() gives.
    TextCatalogue() = default;
    // The translator's catalogue; it outlives this value.
    explicit TextCatalogue(const QTranslator *translator)
        : m_translator(translator)
    {
    }

    // The source text in the catalogue; the source text itself where it has none.
    QString translate(const char *context, const char *sourceText) const;

private:
    const QTranslator *m_translator = nullptr;
};
