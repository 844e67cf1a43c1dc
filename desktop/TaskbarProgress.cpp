#include "desktop/TaskbarProgress.h"

#include <QWindow>

#include <algorithm>

TaskbarProgress::TaskbarProgress(QObject *parent)
    : QObject(parent)
{
}

TaskbarProgress::~TaskbarProgress() = default;

void TaskbarProgress::setWindow(QWindow *window)
{
    m_window = window;
}

void TaskbarProgress::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}

void TaskbarProgress::setValue(int value)
{
    // Like the task-bar's own indicator: values outside the range are ignored.
    if (value < m_minimum || value > m_maximum)
        return;
    m_value = value;
}

void TaskbarProgress::setVisible(bool visible)
{
    m_visible = visible;
}
