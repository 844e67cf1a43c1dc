#include "ui/widgets/PercentProgressBar.h"

#include <QAccessibleWidget>

namespace {

class PercentProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit PercentProgressBarAccessible(PercentProgressBar *bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        // "40%", in the bar's own format and locale.
        if (type == QAccessible::Value)
            return bar()->text();
        return QAccessibleWidget::text(type);
    }

    QVariant currentValue() const override { return bar()->percent(); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    PercentProgressBar *bar() const { return static_cast<PercentProgressBar *>(widget()); }
};

QAccessibleInterface *percentBarAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(PercentProgressBar::staticMetaObject.className()) && object
        && object->isWidgetType())
        return new PercentProgressBarAccessible(static_cast<PercentProgressBar *>(object));
    return nullptr;
}

} // namespace

PercentProgressBar::PercentProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(percentBarAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled)
    setFormat(QStringLiteral("%p%"));
}

int PercentProgressBar::percent() const
{
    const qint64 steps = qint64(maximum()) - minimum();
    if (steps <= 0)
        return 0;
    return int(qBound<qint64>(0, (qint64(value()) - minimum()) * 100 / steps, 100));
}
