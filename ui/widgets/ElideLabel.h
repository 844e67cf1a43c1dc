#pragma once

#include <QLabel>

// A label that shortens its text with an ellipsis to fit, and reports clicks.
// A shortened text shows whole in the tool tip (unless one is set). With
// Qt::ElideNone it behaves as a plain label.
class ElideLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(Qt::TextElideMode elideMode READ elideMode WRITE setElideMode)

public:
    explicit ElideLabel(QWidget *parent = nullptr);
    explicit ElideLabel(const QString &text, QWidget *parent = nullptr);

    Qt::TextElideMode elideMode() const { return m_elideMode; }
    void setElideMode(Qt::TextElideMode mode);

    QSize minimumSizeHint() const override;
    // The text as drawn in the current width.
    QString elidedText() const;
    bool isElided() const { return elidedText() != text(); }

signals:
    void Clicked();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Qt::TextElideMode m_elideMode = Qt::ElideNone;
};
