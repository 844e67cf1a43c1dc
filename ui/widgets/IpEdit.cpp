#include "ui/widgets/IpEdit.h"

#include <QRegExpValidator>

IpEdit::IpEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setValidator(new QRegExpValidator(QRegExp(addressPattern(), Qt::CaseSensitive), this));
}

QString IpEdit::addressPattern()
{
    const QString octet = QStringLiteral("(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])");
    return QStringLiteral("^") + octet + QStringLiteral("\\.") + octet + QStringLiteral("\\.") + octet
        + QStringLiteral("\\.") + octet + QStringLiteral("$");
}
