#pragma once

#include <QObject>

class QWindow;

// The progress indicator on the task-bar button of the main window. Windows
// draws it on the button; other desktops have no such place, so there the
// calls only keep the state (which the progress dialog and its tests read).
class TaskbarProgress : public QObject
{
    Q_OBJECT

public:
    explicit TaskbarProgress(QObject *parent = nullptr);
    ~TaskbarProgress() override;

    void setWindow(QWindow *window);
    QWindow *window() const { return m_window; }

    void setRange(int minimum, int maximum);
    void setValue(int value);
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    bool isVisible() const { return m_visible; }

private:
    QWindow *m_window = nullptr;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
    bool m_visible = false;
};
