#include "ui/dialogs/DialogNewClock.h"

#include "model/AddressRange.h"
#include "core/AppSettings.h"
#include "ui/dialogs/DialogHost.h"
#include "values/Ipv4Text.h"
#include "persistence/PlanFile.h"
#include "ui_DialogNewClock.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QLineEdit>

DialogNewClock::DialogNewClock(DialogHost &dialogs, QWidget *parent)
    : FramelessDialog(parent)
    , ui(new Ui::DialogNewClock)
    , m_dialogs(dialogs)
{
    ui->setupUi(this);
    attachTitleBar(ui->wdtTitlebar, ui->lblTitle);
    ui->btnAccept->setDefault(true);
    connect(ui->btnAccept, &QAbstractButton::clicked, this, &DialogNewClock::acceptInput);
    connect(ui->btnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ui->btnRefreshNetworkInterface, &QAbstractButton::clicked, this, &DialogNewClock::refreshInterfaces);
    connect(ui->btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(ui->btnChoosePlan, &QAbstractButton::clicked, this, &DialogNewClock::choosePlan);
    for (QAbstractButton *way : {ui->rbtOneAddress, ui->rbtRange, ui->rbtPlan}) {
        connect(way, &QAbstractButton::toggled, this, [this](bool chosen) {
            if (chosen)
                showWay();
        });
    }
    fitPlaceholder(ui->ledRange);
    fitPlaceholder(ui->ledPlanFile);
    showWay();
    m_choices.refresh(NetworkCardData());
    showChoices();
}

void DialogNewClock::fitPlaceholder(QLineEdit *edit)
{
    // The range hint shows both forms a range takes; cut, it would teach
    // neither.
    // A line edit's size hint is seventeen "x" wide plus its frame.
    constexpr int hintChars = 17;
    const QFontMetrics metrics = edit->fontMetrics();
    const int chrome = edit->sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * hintChars;
    edit->setMinimumWidth(metrics.horizontalAdvance(edit->placeholderText()) + chrome);
}

DialogNewClock::~DialogNewClock()
{
    delete ui;
}

QString DialogNewClock::user() const
{
    return ui->ledUser->text();
}

QString DialogNewClock::password() const
{
    return ui->ledPassword->text();
}

DialogNewClock::Way DialogNewClock::way() const
{
    if (ui->rbtRange->isChecked())
        return Way::Range;
    return ui->rbtPlan->isChecked() ? Way::Plan : Way::OneAddress;
}

NetworkCardData DialogNewClock::networkInterface() const
{
    return m_choices.cardAt(ui->cbxNetworkInterface->currentIndex());
}

void DialogNewClock::setNetworkCards(const QList<NetworkCardData> &cards, const NetworkCardData &current)
{
    m_choices.build(cards, current);
    showChoices();
}

void DialogNewClock::showChoices()
{
    ui->cbxNetworkInterface->clear();
    ui->cbxNetworkInterface->addItems(m_choices.items());
    ui->cbxNetworkInterface->setCurrentIndex(m_choices.selectedIndex());
}

void DialogNewClock::showWay()
{
    const Way chosen = way();
    ui->gbxClock->setVisible(chosen == Way::OneAddress);
    ui->gbxRange->setVisible(chosen == Way::Range);
    ui->gbxPlan->setVisible(chosen == Way::Plan);
    QWidget *first = chosen == Way::Range ? static_cast<QWidget *>(ui->ledRange)
        : chosen == Way::Plan             ? static_cast<QWidget *>(ui->btnChoosePlan)
                                          : static_cast<QWidget *>(ui->ledIP);
    first->setFocus();
    // Fits the fields shown: the layout only ever grows the dialog by itself,
    // and its hint and minimum follow the hidden group only once the layout
    // requests the hiding posted have been handled.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (isVisible())
        resize(qMax(width(), sizeHint().width()), sizeHint().height());
}

void DialogNewClock::acceptInput()
{
    switch (way()) {
    case Way::OneAddress:
        acceptAddress();
        break;
    case Way::Range:
        acceptRange();
        break;
    case Way::Plan:
        acceptPlan();
        break;
    }
}

void DialogNewClock::acceptAddress()
{
    // A partial address would be read as another clock's ("192.168" is
    // 192.0.0.168), so only a complete one is taken.
    const QString ip = Ipv4Text::canonical(ui->ledIP->text());
    if (ip.isEmpty()) {
        m_dialogs.ask(this, tr("Incorrect IP Address"), QuestionIcon::Warning, tr("OK"));
        return;
    }
    m_ip = ip;
    accept();
}

void DialogNewClock::refreshInterfaces()
{
    // The chosen interface stays chosen, marked when it has gone.
    m_choices.refresh(networkInterface());
    showChoices();
}

void DialogNewClock::acceptRange()
{
    AddressRange range;
    QString why;
    if (!AddressRange::parse(ui->ledRange->text(), range, &why)) {
        m_dialogs.message(this, tr("Incorrect address range: %1").arg(why), QuestionIcon::Warning);
        return;
    }
    // A slip of the prefix would start a scan of an hour.
    if (range.needsConfirmation()
        && m_dialogs.ask(this, range.confirmationText() + QLatin1Char(' ') + tr("Ask every one of them?"),
                         QuestionIcon::Question, tr("Ask all"), tr("Cancel"))
            != QuestionResult::Positive)
        return;
    m_targets = CommissioningTarget::fromRange(range, user(), password());
    accept();
}

void DialogNewClock::choosePlan()
{
    const QString path = m_dialogs.openFileName(
        {this, tr("Open address plan"), m_planPath.isEmpty() ? lastPath() : m_planPath,
         tr("Address plans (*.csv);;All files (*)")});
    if (path.isEmpty())
        return;
    m_planPath = path;
    ui->ledPlanFile->setText(QDir::toNativeSeparators(path));
}

void DialogNewClock::acceptPlan()
{
    if (m_planPath.isEmpty()) {
        m_dialogs.message(this, tr("Choose the address plan first."), QuestionIcon::Warning);
        return;
    }
    // Read now rather than when chosen: the file the clocks are added from
    // is the one as it is at this moment.
    const AddressPlan::Parsed plan = PlanFile::load(m_planPath);
    if (!plan.ok()) {
        m_dialogs.message(this, QStringLiteral("%1: %2").arg(QFileInfo(m_planPath).fileName(), plan.error),
                          QuestionIcon::Warning);
        return;
    }
    m_targets = CommissioningTarget::fromPlan(plan.rows, user(), password());
    m_renameFromPlan = ui->cbxPlanNames->isChecked();
    accept();
}
