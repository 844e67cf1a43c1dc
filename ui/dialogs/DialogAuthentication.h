#pragma once

#include "ui/frame/FramelessDialog.h"

namespace Ui {
class DialogAuthentication;
}

// Asks for the user name and password a search (or the conflict resolver)
// sends to every clock it finds. The caller reads both after an accepted run.
class DialogAuthentication : public FramelessDialog
{
    Q_OBJECT

public:
    explicit DialogAuthentication(QWidget *parent = nullptr);
    ~DialogAuthentication() override;

    QString user() const;
    QString password() const;
    // The accepting button says what the credentials are for ("Search" by default).
    void setAcceptText(const QString &text);

private:
    Ui::DialogAuthentication *ui;
};
