#include "ui/dialogs/DialogAbout.h"

#include "core/AppIdentity.h"
#include "resources/Resources.h"
#include "ui/widgets/ThemeWidgets.h"
#include "ui_DialogAbout.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QUrl>

DialogAbout::DialogAbout(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    Resources::ensureLoaded();
    ui->setupUi(this);
    connect(ui->pushButton, &QAbstractButton::clicked, this, &QWidget::close);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    // No Qt::WA_PaintOnScreen: without a native paint engine of its own the
    // widget would then draw nothing at all.
    ThemeWidgets::storeAndApplyTheme(this);

    ui->lbWWW->setTextFormat(Qt::RichText);
    // The accent colour of both themes; the palette's link blue is too dark on the dark one.
    const QUrl site(QLatin1String(AppIdentity::webAddress));
    ui->lbWWW->setText(QStringLiteral("<a href=\"%1\" style=\"color: #448AFF;\">%2</a>")
                           .arg(site.toString(), site.host()));
    ui->lbWWW->setTextInteractionFlags(Qt::TextBrowserInteraction);
    ui->lbWWW->setOpenExternalLinks(true);

    ui->lbAppNAme->setText(appDisplayName());
    ui->lbAppVersion->setText(tr("Version %1").arg(formatVersion(applicationVersion())));
    ui->lbAdditionalInfo->setText(tr("Finds, sets up and watches LED wall clocks.") + QLatin1Char('\n')
                                  + tr("Copyright QLX Devices. All rights reserved."));
    fitTexts();
}

void DialogAbout::fitTexts()
{
    // The panel is laid out by hand; translated texts decide the sizes: the
    // close button grows to the left, the note downwards with the panel.
    QPushButton *close = ui->pushButton;
    const QSize button = close->sizeHint().expandedTo(close->size());
    close->setGeometry(close->geometry().right() + 1 - button.width(), close->y(), button.width(), button.height());
    QLabel *note = ui->lbAdditionalInfo;
    const int grow = qMax(0, note->heightForWidth(note->width()) - note->height());
    note->resize(note->width(), note->height() + grow);
    setFixedSize(width(), height() + grow);
}

DialogAbout::~DialogAbout()
{
    delete ui;
}

QString DialogAbout::applicationVersion()
{
    return QStringLiteral(ZENTICK_VERSION);
}

QString DialogAbout::formatVersion(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    QString minor = parts.value(1) + parts.value(2);
    if (minor.size() < 2)
        minor.prepend(QLatin1Char('0'));
    return parts.value(0) + QLatin1Char('.') + minor;
}

void DialogAbout::paintEvent(QPaintEvent *event)
{
    // The logo has no background of its own and the window is translucent;
    // the theme's style sheet paints the panel behind it.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QDialog::paintEvent(event);
}

void DialogAbout::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_offset = event->globalPos() - pos();
    }
    QDialog::mousePressEvent(event);
}

void DialogAbout::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed)
        move(event->globalPos() - m_offset);
    QDialog::mouseMoveEvent(event);
}

void DialogAbout::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QDialog::mouseReleaseEvent(event);
}

