#include "transport/Command.h"

Command::Command() = default;

Command::~Command() = default;

bool Command::isValid() const
{
    return true;
}

QByteArray Command::payload()
{
    if (m_payload.isEmpty())
        build();
    return m_payload;
}
