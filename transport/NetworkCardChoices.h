#pragma once

#include "values/NetworkCardData.h"

#include <QList>
#include <QStringList>

// The interface choice list of the dialogs that pick a clock's interface,
// without widgets: the items to show, the one to select, and the record
// behind each item. Item 0 is "Default" (the null record). A stored interface
// that is no longer present stays selectable as its own entry marked
// " - Not available", so that keeping the choice keeps the record.
class NetworkCardChoices
{
public:
    // From the interfaces present now.
    void refresh(const NetworkCardData &current);
    // From the given cards.
    void build(const QList<NetworkCardData> &cards, const NetworkCardData &current);

    QStringList items() const { return m_items; }
    int selectedIndex() const { return m_selected; }
    // The last entry is the stored interface that is not present.
    bool lastIsUnavailable() const { return m_lastUnavailable; }
    QList<NetworkCardData> cards() const { return m_cards; }
    // The record behind an item: null for "Default" or an index out of range.
    NetworkCardData cardAt(int index) const;

private:
    QList<NetworkCardData> m_cards;
    QStringList m_items;
    int m_selected = 0;
    bool m_lastUnavailable = false;
};
