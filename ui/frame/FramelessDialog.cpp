#include "ui/frame/FramelessDialog.h"

#include "ui/frame/FrameLess.h"
#include "resources/Resources.h"
#include "ui/widgets/ThemeWidgets.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>

FramelessDialog::FramelessDialog(QWidget *parent)
    : QDialog(parent)
    , m_frameLess(new FrameLess(this))
{
    setAttribute(Qt::WA_StyledBackground);
    // The forms name icons in the compiled-in resources.
    Resources::ensureLoaded();
    ThemeWidgets::storeAndApplyTheme(this);
}

FramelessDialog::~FramelessDialog() = default;

void FramelessDialog::attachTitleBar(QWidget *titleBar, QLabel *titleLabel)
{
    m_frameLess->setTitleBar(titleBar);
    // A plain QWidget draws the style sheet's border only when asked to.
    if (titleBar)
        titleBar->setAttribute(Qt::WA_StyledBackground);
    m_titleLabel = titleLabel;
    if (m_titleLabel)
        m_titleLabel->setText(windowTitle());
}

void FramelessDialog::showEvent(QShowEvent *event)
{
    m_closing = false;
    ThemeWidgets::applyTheme(this);
    // A translated title or button may need more width than the form's size,
    // and wrapped texts more height when they are long.
    if (QLayout *layout = this->layout(); layout && layout->totalMinimumSize().width() > width())
        resize(layout->totalMinimumSize().width(), height());
    if (QLayout *layout = this->layout(); layout && layout->hasHeightForWidth()) {
        const int needed = layout->totalHeightForWidth(width());
        if (needed > height())
            resize(width(), needed);
    }
    QDialog::showEvent(event);
    m_frameLess->fadeIn();
}

void FramelessDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange && m_titleLabel)
        m_titleLabel->setText(windowTitle());
}

void FramelessDialog::done(int result)
{
    if (m_closing)
        return;
    if (isVisible()) {
        m_closing = true;
        m_frameLess->fadeOut();
    }
    QDialog::done(result);
}
