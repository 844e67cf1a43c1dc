#pragma once

#include <QColor>
#include <QMainWindow>

// The main window. Its colours for good, warning and critical states come
// from the theme's style sheet.
class WindowMain : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(QColor labelGoodColor MEMBER m_labelGoodColor)
    Q_PROPERTY(QColor labelWarningColor MEMBER m_labelWarningColor)
    Q_PROPERTY(QColor labelCriticalColor MEMBER m_labelCriticalColor)

public:
    explicit WindowMain(QWidget *parent = nullptr);
    ~WindowMain() override;

    // The window progress dialogs are parented to; null before it exists.
    static WindowMain *instance();

    QColor labelGoodColor() const { return m_labelGoodColor; }
    QColor labelWarningColor() const { return m_labelWarningColor; }
    QColor labelCriticalColor() const { return m_labelCriticalColor; }

private:
    QColor m_labelGoodColor;
    QColor m_labelWarningColor;
    QColor m_labelCriticalColor;
};
