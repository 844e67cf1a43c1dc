#pragma once

#include <QMenu>

// A menu made for one use: pops up at a point of the screen and returns when
// it has been hidden, with the action chosen (null when none). The caller
// deletes it.
class MenuPopup : public QMenu
{
    Q_OBJECT

public:
    explicit MenuPopup(QWidget *parent = nullptr);

    QAction *execAt(const QPoint &globalPos);
};
