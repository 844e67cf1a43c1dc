#pragma once

#include "ui/frame/FramelessDialog.h"

namespace Ui {
class DialogEditName;
}

// A small dialog that edits one name (a group's, a clock's). The caller reads
// the edited text after an accepted run.
class DialogEditName : public FramelessDialog
{
    Q_OBJECT

public:
    explicit DialogEditName(QWidget *parent = nullptr);
    ~DialogEditName() override;

    void set(const QString &title, const QString &label, const QString &text, const QString &acceptText);
    QString text() const;

private:
    Ui::DialogEditName *ui;
};
