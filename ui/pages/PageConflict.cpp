#include "ui/pages/PageConflict.h"
#include "persistence/ClockEvent.h"
#include "session/MonitoringSession.h"

#include "model/ClockIntake.h"
#include "operations/Communication.h"
#include "operations/ConflictResolver.h"
#include "ui/dialogs/DialogAuthentication.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/services/OperationRunner.h"
#include "ui/services/PageServices.h"
#include "ui_PageConflict.h"

PageConflict::PageConflict(PageServices &services, QWidget *parent)
    : NavigationPage(parent)
    , ui(new Ui::PageConflict)
    , m_services(services)
    , m_pauseMs(ConflictResolver::DefaultPauseMs)
{
    ui->setupUi(this);
    connect(ui->btnResolveConflict, &QAbstractButton::clicked, this, &PageConflict::resolveConflicts);
}

PageConflict::~PageConflict()
{
    delete ui;
}

void PageConflict::resolveConflicts()
{
    DialogHost &dialogs = m_services.dialogs();
    // A half-typed MAC would make the resolver give up without a word, and a
    // half-typed address would leave every clock where it is.
    if (!ui->ledConflictMac->hasAcceptableInput()) {
        dialogs.message(m_services.window(), tr("The new MAC of the first device is incomplete."),
                        QuestionIcon::Warning);
        return;
    }
    if (!ui->ledConflictIp->hasAcceptableInput()) {
        dialogs.message(m_services.window(), tr("The new IP of the first device is not a full address."),
                        QuestionIcon::Warning);
        return;
    }
    DialogAuthentication authentication(m_services.window());
    authentication.setAcceptText(tr("Resolve"));
    if (dialogs.runDialog(authentication) != QDialog::Accepted)
        return;
    ConflictResolver *resolver = m_services.communication().resolveConflicts(
        authentication.user(), authentication.password(), ui->ledConflictIp->text(), ui->ledConflictMac->text());
    resolver->setPauseMs(m_pauseMs);
    const QString user = authentication.user();
    const QString password = authentication.password();
    m_services.runner().run(resolver, tr("Resolving conflicts"),
                            [this, user, password](DataSender *sender) { onResolverFinished(sender, user, password); },
                            this);
}

void PageConflict::onResolverFinished(DataSender *sender, const QString &user, const QString &password)
{
    auto *resolver = qobject_cast<ConflictResolver *>(sender);
    for (const ClockIntake::Readdressed &moved : resolver ? resolver->readdressed() : QVector<ClockIntake::Readdressed>()) {
        OperatorChange change;
        change.operation = QStringLiteral("resolveConflicts");
        change.fields = {{QStringLiteral("ip"), moved.oldIp, moved.newIp}, {QStringLiteral("mac"), moved.oldMac, moved.newMac}};
        change.done = moved.addressTaken;
        if (!change.done)
            change.reason = moved.addressed ? tr("The clock refused the new address.") : tr("No address was left for it.");
        m_services.session().recordChange(moved.oldIp, change);
    }
    // The rows of the clocks that moved follow them, whatever else the run did.
    QStringList followed;
    if (resolver && sender->result() != DataSender::Failed) {
        followed = ClockIntake(m_services.registry()).follow(resolver->readdressed(), user, password);
        if (!followed.isEmpty())
            m_services.listChanged();
    }
    // The resolver also ends canceled when no clock took its new address;
    // only the user's own cancel is no news.
    const bool gaveUp = resolver && sender->result() == DataSender::Canceled && !sender->isCancelRequested()
                        && resolver->foundCount() > 0;
    if (!gaveUp && m_services.runner().reportFailure(sender))
        return;
    if (!resolver)
        return;
    DialogHost &dialogs = m_services.dialogs();
    const int found = resolver->foundCount();
    if (found == 0) {
        dialogs.message(m_services.window(), tr("No devices was found."), QuestionIcon::Warning);
        return;
    }
    QStringList lines{tr("MAC and IP address changed for %1 out of %2 found.")
                          .arg(tr("%n clocks(s)", nullptr, resolver->changedCount()),
                               tr("%n device(s)", nullptr, found))};
    const int unaddressed = resolver->unaddressedCount();
    const int refused = found - resolver->changedCount() - unaddressed;
    if (refused > 0)
        lines << tr("%1 of %2 clocks found did not take their new addresses.").arg(refused).arg(found);
    if (unaddressed > 0)
        lines << tr("%1 of %2 clocks found were left unchanged: no address is left after .254.")
                     .arg(unaddressed)
                     .arg(found);
    lines << followed;
    dialogs.message(m_services.window(), lines.join(QLatin1Char('\n')),
                    gaveUp ? QuestionIcon::Warning : QuestionIcon::Info);
}
