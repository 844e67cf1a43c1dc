#include "transport/GeneralException.h"

GeneralException::GeneralException(const QString &message)
    : m_message(message)
{
}

GeneralException::~GeneralException() = default;

void GeneralException::raise() const
{
    throw *this;
}

GeneralException *GeneralException::clone() const
{
    return new GeneralException(*this);
}

QString GeneralException::message() const
{
    return m_message;
}
