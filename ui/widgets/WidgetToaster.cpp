#include "ui/widgets/WidgetToaster.h"

#include "resources/Resources.h"
#include "ui/widgets/ThemeWidgets.h"
#include "ui/widgets/Toast.h"
#include "ui_WidgetToaster.h"

#include <QBoxLayout>
#include <QRegion>

WidgetToaster::WidgetToaster(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::WidgetToaster)
    , m_fadeInMs(Toast::defaultFadeInMs)
    , m_showMs(Toast::defaultShowMs)
    , m_fadeOutMs(Toast::defaultFadeOutMs)
{
    Resources::ensureLoaded();
    ui->setupUi(this);
    m_maskTimer.setSingleShot(true);
    m_maskTimer.setInterval(maskDelayMs);
    connect(&m_maskTimer, &QTimer::timeout, this, &WidgetToaster::onUpdateMask);
    // Nothing to show yet, and an empty overlay must not catch any click.
    hide();
}

WidgetToaster::~WidgetToaster()
{
    delete ui;
}

QString WidgetToaster::iconPath(ToastType type)
{
    switch (type) {
    case ToastType::Info:
        return QStringLiteral(":/icons/resources/icons/info.png");
    case ToastType::Warning:
        return QStringLiteral(":/icons/resources/icons/warning.png");
    case ToastType::Success:
        break;
    }
    return QStringLiteral(":/icons/resources/icons/success.png");
}

void WidgetToaster::setToastDurations(int fadeInMs, int showMs, int fadeOutMs)
{
    m_fadeInMs = fadeInMs;
    m_showMs = showMs;
    m_fadeOutMs = fadeOutMs;
}

Toast *WidgetToaster::add(const QString &text, ToastType type)
{
    auto *layout = qobject_cast<QBoxLayout *>(ui->wdtMain->layout());
    if (!layout)
        return nullptr;
    if (m_toasts.isEmpty() && parentWidget())
        place(parentWidget()->width(), parentWidget()->height());

    auto *toast = new Toast(ui->wdtMain);
    toast->setText(text);
    ThemeWidgets::applyTheme(toast);
    toast->setIcon(QPixmap(iconPath(type)));
    toast->setDurations(m_fadeInMs, m_showMs, m_fadeOutMs);
    connect(toast, &Toast::Disappeared, this, &WidgetToaster::onToastDisappeared);
    // The last item of the layout is the stretch that keeps toasts at the top.
    layout->insertWidget(layout->count() - 1, toast);
    toast->fadeIn();
    m_toasts.append(toast);

    if (m_maxToasts > 0 && m_toasts.size() > m_maxToasts)
        m_toasts.takeFirst()->fadeOut();

    show();
    raise();
    m_maskTimer.start();
    return toast;
}

void WidgetToaster::place(int width, int height)
{
    setGeometry(width - overlayWidth, m_topOffset, overlayWidth, height - m_topOffset);
}

void WidgetToaster::onToastDisappeared(Toast *toast)
{
    m_toasts.removeOne(toast);
    m_maskTimer.start();
}

void WidgetToaster::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_maskTimer.start();
}

void WidgetToaster::onUpdateMask()
{
    // Every toast still on screen takes clicks, including one fading out
    // after it fell off the list.
    ui->wdtMain->layout()->activate();
    QRegion region;
    const QList<Toast *> children = ui->wdtMain->findChildren<Toast *>(QString(), Qt::FindDirectChildrenOnly);
    for (Toast *toast : children) {
        if (toast->phase() == Toast::Gone)
            continue;
        region += QRect(toast->mapTo(this, QPoint(0, 0)), toast->size());
    }
    if (region.isEmpty()) {
        // An empty mask would mean "no mask" and the overlay would catch
        // every click over its area; hidden, it catches none.
        clearMask();
        hide();
        return;
    }
    setMask(region);
    if (!isVisible())
        show();
}
