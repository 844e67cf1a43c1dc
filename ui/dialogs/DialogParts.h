#pragma once

#include <QString>

class QAbstractButton;
class QAbstractItemModel;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QWidget;

// Pieces the run dialogs built in code share: the title bar, their buttons
// and tables, and the settings of a run in waves.
namespace DialogParts {

// The frameless title bar: the logo, the title label and the close button.
QWidget *titleBar(QLabel *&title, QAbstractButton *&close);
QPushButton *pushButton(const QString &name, const QString &text);
QTableView *tableView(const QString &name, const QString &accessibleName, QAbstractItemModel &model);

template<typename T>
T *named(T *widget, const QString &name, const QString &accessibleName = QString())
{
    widget->setObjectName(name);
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

// First wave, later waves and failures before the run stops; each at its
// lowest value means the run's default (1 %, 10 %, 5 %).
struct WaveInputs
{
    QSpinBox *canary = nullptr;
    QSpinBox *wave = nullptr;
    QSpinBox *maxFailed = nullptr;
};
QWidget *waveSettings(WaveInputs &inputs);

} // namespace DialogParts
