#include "transport/NetworkCardChoices.h"

#include <QCoreApplication>

void NetworkCardChoices::refresh(const NetworkCardData &current)
{
    build(allNetworkCards(), current);
}

void NetworkCardChoices::build(const QList<NetworkCardData> &cards, const NetworkCardData &current)
{
    m_cards = cards;
    m_items = QStringList{QCoreApplication::translate("NetworkCardChoices", "Default")};
    m_selected = 0;
    m_lastUnavailable = false;
    for (int i = 0; i < m_cards.size(); ++i) {
        m_items.append(m_cards.at(i).displayText());
        if (m_cards.at(i) == current)
            m_selected = i + 1;
    }
    if (m_selected == 0 && !current.isNull()) {
        m_cards.append(current);
        m_items.append(current.displayText() + QStringLiteral(" - ")
                       + QCoreApplication::translate("NetworkCardChoices", "Not available"));
        m_selected = m_items.size() - 1;
        m_lastUnavailable = true;
    }
}

NetworkCardData NetworkCardChoices::cardAt(int index) const
{
    if (index < 1 || index > m_cards.size())
        return NetworkCardData();
    return m_cards.at(index - 1);
}
