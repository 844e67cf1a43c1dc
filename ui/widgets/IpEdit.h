#pragma once

#include <QLineEdit>

// A line edit that takes only an IPv4 address in dotted form, four octets of
// 0 to 255 with one to three digits each (partial input while typing).
class IpEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit IpEdit(QWidget *parent = nullptr);

    static QString addressPattern();
};
