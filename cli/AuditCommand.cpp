#include "cli/AuditCommand.h"

#include "core/AppSettings.h"
#include "session/AuditFindingsStore.h"
#include "cli/AuditReport.h"
#include "cli/CliSession.h"
#include "model/ClockRegistry.h"
#include "model/DevGroup.h"
#include "operations/audit/FleetAudit.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace AuditCommand {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AuditCommand", text);
}

int groupIndexByName(const ClockRegistry &registry, const QString &name)
{
    for (int i = 0; i < registry.groupCount(); ++i) {
        if (registry.groupAt(i)->name() == name)
            return i;
    }
    return -1;
}

// The setting's minimums, then the command line's, which win for their model.
AuditChecks::FirmwareMinimums minimumFirmware(const CliInvocation &invocation, CliOutput &out)
{
    QStringList refused;
    AuditChecks::FirmwareMinimums minimums = AuditChecks::minimumFirmwareOf(AppSettings::minimumFirmware(), &refused);
    for (const QString &entry : qAsConst(refused))
        out.message(tr("The setting Audit/minFirmware holds \"%1\", not MODEL=VERSION such as QM03=1.10; it is "
                       "left out.")
                        .arg(entry));
    const QString given = invocation.option(QStringLiteral("min-firmware"));
    for (const QString &entry : given.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        AuditChecks::addMinimumFirmware(entry, minimums);
    return minimums;
}

} // namespace

int audit(CliSession &session)
{
    if (const int loaded = session.loadState())
        return loaded;
    const CliInvocation &invocation = session.invocation();
    CliOutput &out = session.output();
    const ClockRegistry &registry = session.registry();

    FleetAudit audit(session.exchanges());
    const QString groupName = invocation.option(QStringLiteral("group"));
    if (invocation.hasOption(QStringLiteral("group"))) {
        if (!audit.selectGroup(registry, groupIndexByName(registry, groupName)))
            return out.failed(tr("There is no group named %1.").arg(groupName));
    } else {
        audit.selectAllClocks(registry);
    }
    audit.setSiteZone(invocation.hasOption(QStringLiteral("site-zone"))
                          ? QTimeZone(invocation.option(QStringLiteral("site-zone")).toUtf8())
                          : AppSettings::siteZone());
    audit.setMinimumFirmware(minimumFirmware(invocation, out));

    QEventLoop loop;
    QObject::connect(&audit, &FleetAudit::updateProgress, &session.progress(), &ProgressIndicator::setProgress);
    bool finished = false;
    QObject::connect(&audit, &FleetAudit::finished, &loop, [&finished, &loop] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&audit, &FleetAudit::canceled, &loop, &QEventLoop::quit);
    session.progress().start(tr("Auditing clocks"));
    audit.start();
    loop.exec();
    session.progress().finish();
    // An audit of the whole list is what the device list and `list` show
    // beside each clock's live status until the next one.
    if (finished && !invocation.hasOption(QStringLiteral("group")) && !AuditFindingsStore::of(audit, registry).save())
        out.message(tr("Cannot keep the findings in %1.").arg(AuditFindingsStore::defaultPath()));

    out.document(AuditReport::json(audit, groupName));
    out.text(AuditReport::text(audit));
    return audit.findings().isEmpty() ? ExitSuccess : ExitFailed;
}

} // namespace AuditCommand
