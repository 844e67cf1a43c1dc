#include "PageConflict.h"

#include "Communication.h"
#include "ConflictResolver.h"
#include "DialogAuthentication.h"
#include "DialogHost.h"
#include "DialogQuestion.h"
#include "OperationRunner.h"
#include "ResultSlots.h"
#include "ui_PageConflict.h"

PageConflict::PageConflict(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageConflict)
    , m_services(services)
    , m_pauseMs(ConflictResolver::DefaultPauseMs)
{
    ui->setupUi(this);
}

PageConflict::~PageConflict()
{
    delete ui;
}

void PageConflict::on_btnResolveConflict_clicked()
{
    // A half-typed MAC would make the resolver give up without a word, and a
    // half-typed address would leave every clock where it is.
    if (!ui->ledConflictMac->hasAcceptableInput()) {
        m_services.dialogs->message(m_services.window, tr("The new MAC of the first device is incomplete."),
                                    QuestionIcon::Warning);
        return;
    }
    if (!ui->ledConflictIp->hasAcceptableInput()) {
        m_services.dialogs->message(m_services.window, tr("The new IP of the first device is not a full address."),
                                    QuestionIcon::Warning);
        return;
    }
    DialogAuthentication authentication(m_services.window);
    if (m_services.dialogs->runDialog(authentication) != QDialog::Accepted)
        return;
    ConflictResolver *resolver = Communication::instance()->resolveConflicts(
        authentication.user(), authentication.password(), ui->ledConflictIp->text(), ui->ledConflictMac->text());
    resolver->setPauseMs(m_pauseMs);
    m_services.runner->run(resolver, tr("Resolving conflicts"),
                           [this](DataSender *sender) { m_services.results->onConflictSolverFinished(sender); }, this);
}
