#include "ui/widgets/ElideLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

ElideLabel::ElideLabel(QWidget *parent)
    : QLabel(parent)
{
}

ElideLabel::ElideLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void ElideLabel::setElideMode(Qt::TextElideMode mode)
{
    if (m_elideMode == mode)
        return;
    m_elideMode = mode;
    updateGeometry();
    update();
}

QSize ElideLabel::minimumSizeHint() const
{
    if (m_elideMode == Qt::ElideNone)
        return QLabel::minimumSizeHint();
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(QStringLiteral("...")), metrics.height());
}

QString ElideLabel::elidedText() const
{
    if (m_elideMode == Qt::ElideNone)
        return text();
    return fontMetrics().elidedText(text(), m_elideMode, contentsRect().width());
}

bool ElideLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && isElided()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void ElideLabel::paintEvent(QPaintEvent *event)
{
    if (m_elideMode == Qt::ElideNone) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), elidedText(),
                          foregroundRole());
}

void ElideLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    emit Clicked();
}
