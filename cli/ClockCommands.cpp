#include "cli/ClockCommands.h"

#include "cli/CliSession.h"
#include "core/AppSettings.h"
#include "cli/ClockPrinter.h"
#include "cli/PasswordCommand.h"
#include "model/ClockRegistry.h"
#include "operations/Communication.h"
#include "persistence/ConfigurationFileActions.h"
#include "persistence/ConfigurationFiles.h"
#include "persistence/ClockEvent.h"
#include "model/DevClock.h"
#include "operations/GetConfigurationSender.h"
#include "operations/GetStatusSender.h"
#include "model/ParameterText.h"
#include "operations/RefreshStatusSender.h"
#include "operations/SetConfigurationSender.h"
#include "operations/SetNetworkSender.h"
#include "operations/SimpleSender.h"
#include "values/Error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>

#include <memory>

namespace ClockCommands {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ClockCommands", text);
}

// Without a device list no listed clock can be named, so nothing will be
// saved: such a run only reads, and the lock (which would make the data
// folder) is not taken.
CliSession::Access accessFor(CliSession::Access wanted)
{
    return QFileInfo::exists(AppSettings::stateFilePath()) ? wanted : CliSession::Access::Read;
}

// Loads the state file and finds the clock the first argument names; the
// exit status of whichever failed, else ExitSuccess.
int loadTarget(CliSession &session, CliSession::Target &target,
               CliSession::Access access = CliSession::Access::Read)
{
    if (const int loaded = session.loadState(accessFor(access)))
        return loaded;
    return session.findTarget(session.invocation().arguments.at(0), target);
}

QString clockLabel(const CliSession::Target &target, const QString &ip)
{
    return target.listed ? target.listed->name : ip;
}

// The failure kind of a single-target command. The sender's own error stays
// "no error" for these commands; the kind that matters is the target's.
Error targetError(const SimpleSender &sender)
{
    const QVector<Error> errors = sender.errors();
    if (!errors.isEmpty() && errors.constFirst() != NoError)
        return errors.constFirst();
    return sender.errorCode();
}

struct SimpleResult
{
    bool succeeded = false;
    Error error = NoError;
    QString reason;
    QByteArray reply;
};

// How a failed operation of one clock ended, for its message.
struct Failure
{
    Error error = ConnectionError;
    QString reason;

    void takeFrom(const DataSender &sender)
    {
        error = sender.errorCode() == NoError ? ConnectionError : sender.errorCode();
        reason = sender.errorReason();
    }
};

// Runs a one-exchange command and keeps what the caller needs from it.
SimpleResult runSimple(CliSession &session, SimpleSender *sender, const QString &label)
{
    SimpleResult result;
    result.error = ConnectionError;
    session.runSender(sender, label, [&result](DataSender *ended) {
        auto *simple = static_cast<SimpleSender *>(ended);
        result.succeeded = simple->result() == DataSender::Succeeded && !simple->succeeded().contains(false);
        result.error = targetError(*simple);
        result.reason = simple->reasons().value(0);
        result.reply = simple->replies().value(0);
    });
    return result;
}

int reportSimple(CliSession &session, const SimpleResult &result, const QString &ip, const QString &success,
                 QJsonObject json)
{
    CliOutput &out = session.output();
    if (!result.succeeded)
        return out.operationFailed(result.error, result.reason);
    json.insert(QStringLiteral("ip"), ip);
    json.insert(QStringLiteral("succeeded"), true);
    out.document(json);
    out.text(success);
    return ExitSuccess;
}

// After a command that changed the listed clock's record: the device list
// is saved, so that it never points at an old address or password.
int saveRecord(CliSession &session, const CliSession::Target &target, int status)
{
    if (status != ExitSuccess || !target.listed)
        return status;
    return session.saveState() ? ExitSuccess : ExitFailed;
}

// The history's record of one write to a clock.
OperatorChange operatorChange(const QString &operation, QVector<OperatorChange::Field> fields, bool done,
                              const QString &reason)
{
    OperatorChange change;
    change.operation = operation;
    change.fields = std::move(fields);
    change.done = done;
    change.reason = done ? QString() : reason;
    return change;
}

QString failureText(const SimpleResult &result)
{
    return ErrorText::operationFailed(result.error, result.reason);
}

QJsonObject networkJson(const ClockNetworkSettings &settings)
{
    return {{QStringLiteral("ip"), settings.ip},
            {QStringLiteral("subnet"), settings.subnet},
            {QStringLiteral("gateway"), settings.gateway},
            {QStringLiteral("DHCP"), settings.DHCP},
            {QStringLiteral("dhcpOpt42"), settings.dhcpOpt42},
            {QStringLiteral("dhcpOptPrivate"), settings.dhcpOptPrivate},
            {QStringLiteral("disableRemoteAccess"), settings.disableRemoteAccess},
            {QStringLiteral("dhcpPrivateOptNumber"), settings.dhcpPrivateOptNumber},
            {QStringLiteral("webPanelTimeout"), settings.webPanelTimeout},
            {QStringLiteral("dnsPrimary"), settings.dnsPrimary},
            {QStringLiteral("dnsSecondary"), settings.dnsSecondary}};
}

} // namespace

int status(CliSession &session)
{
    // The listed clock keeps what the refresh read, as the window's refresh
    // does. While a running program holds the list its own polls keep the
    // record, so the status is only shown.
    int loaded = session.loadState(accessFor(CliSession::Access::Write), CliSession::Quietly::Yes);
    const bool writable = loaded == ExitSuccess;
    if (!writable && session.lockHeldElsewhere())
        loaded = session.loadState(CliSession::Access::Read);
    if (loaded)
        return loaded;
    CliSession::Target target;
    if (const int found = session.findTarget(session.invocation().arguments.at(0), target))
        return found;
    const QString ip = target.ip;

    // An unlisted clock gets a record of its own.
    std::unique_ptr<DevClock> unlisted;
    DevClock *shown = target.listed;
    if (!shown) {
        unlisted = std::make_unique<DevClock>();
        unlisted->network.ip = ip;
        shown = unlisted.get();
    }
    Failure failure;
    RefreshStatusSender *sender = session.exchanges().refreshStatus(target.target);
    const CliSession::Outcome outcome =
        session.runSender(sender, tr("Refreshing status"), [shown, &session, &failure](DataSender *ended) {
            failure.takeFrom(*ended);
            const DevClock *refreshed = static_cast<RefreshStatusSender *>(ended)->refreshedClock();
            if (ended->result() != DataSender::Succeeded || !refreshed)
                return;
            shown->updateFrom(*refreshed);
            if (refreshed->status.lastStatusUpdate.isValid())
                shown->status.lastStatusUpdate = refreshed->status.lastStatusUpdate;
            shown->lastError = refreshed->lastError;
            session.registry().announceClockChanged(shown);
        });
    if (outcome != CliSession::Outcome::Finished)
        return session.output().operationFailed(failure.error, failure.reason);

    if (writable && target.listed && !session.saveState())
        return ExitFailed;
    CliOutput &out = session.output();
    out.document(ClockPrinter::clockJson(*shown, target.index));
    out.text(ClockPrinter::clockDetails(*shown));
    return ExitSuccess;
}

int configGet(CliSession &session)
{
    CliSession::Target target;
    if (const int failed = loadTarget(session, target))
        return failed;
    const CliInvocation &invocation = session.invocation();
    const QString ip = invocation.arguments.at(0);
    const QString path = invocation.option(QStringLiteral("output"));

    std::unique_ptr<ClockConfig> config;
    Failure failure;
    GetConfigurationSender *sender = session.exchanges().getConfiguration(target.target);
    const CliSession::Outcome outcome =
        session.runSender(sender, tr("Downloading configuration"), [&config, &failure](DataSender *ended) {
            failure.takeFrom(*ended);
            const auto *download = static_cast<GetConfigurationSender *>(ended);
            if (download->unreadPart() != ConfigPart::None)
                failure.reason = ConfigParts::notReadText(download->unreadPart());
            const DevClock *downloaded = download->downloadedClock();
            if (ended->result() == DataSender::Succeeded && downloaded)
                config = ClockConfig::copy(downloaded->config());
        });
    CliOutput &out = session.output();
    if (outcome != CliSession::Outcome::Finished || !config)
        return out.operationFailed(failure.error, failure.reason);
    // A part left at its defaults would make a file that looks like a real
    // configuration and overwrites clocks with it.
    if (config->incompletePart() != ConfigPart::None)
        return out.operationFailed(IncorrectData, ConfigParts::notReadText(config->incompletePart()));

    if (!ConfigurationFiles::saveConfiguration(path, *config)) {
        const auto texts = ConfigurationFileActions::texts(ConfigurationFileActions::Action::SaveAs);
        return out.failed(texts.failure + QStringLiteral(": ") + path);
    }
    out.document({{QStringLiteral("ip"), ip}, {QStringLiteral("file"), path}, {QStringLiteral("saved"), true}});
    out.text(tr("Clock %1 configuration downloaded").arg(clockLabel(target, ip)) + QStringLiteral(": ") + path);
    return ExitSuccess;
}

int configSet(CliSession &session)
{
    if (const int loaded = session.loadState())
        return loaded;
    const CliInvocation &invocation = session.invocation();
    const QString path = invocation.arguments.at(0);
    const QStringList ips = invocation.arguments.mid(1);
    CliOutput &out = session.output();
    if (const int missing = session.requireInputFile(path))
        return missing;

    QString why;
    const std::unique_ptr<ClockConfig> config = ConfigurationFiles::openConfiguration(path, &why);
    if (!config) {
        const auto texts = ConfigurationFileActions::texts(ConfigurationFileActions::Action::Open);
        return out.failed(QStringLiteral("%1: %2 (%3)").arg(texts.failure, path, why));
    }
    const QString unsafeField = ParameterText::firstUnsafeField(*config);
    if (!unsafeField.isEmpty())
        return out.failed(ParameterText::refusalText(unsafeField));
    // A file saved from a download that was not whole holds defaults.
    if (config->incompletePart() != ConfigPart::None)
        return out.failed(ConfigParts::notWholeText(config->incompletePart()));
    QList<SenderTarget> targets;
    QStringList addresses;
    for (const QString &ip : ips) {
        CliSession::Target target;
        if (!session.resolveTarget(ip, target))
            return ExitFailed;
        targets.append(target.target);
        addresses.append(target.ip);
    }

    QVector<bool> succeeded;
    QVector<QString> reasons;
    Error error = ConnectionError;
    SetConfigurationSender *sender = session.exchanges().setConfiguration(*config, targets);
    const CliSession::Outcome outcome = session.runSender(
        sender, tr("Sending configuration"), [&succeeded, &reasons, &error](DataSender *ended) {
            succeeded = static_cast<SetConfigurationSender *>(ended)->succeeded();
            reasons = static_cast<SetConfigurationSender *>(ended)->reasons();
            error = ended->errorCode();
        });
    if (outcome == CliSession::Outcome::Canceled)
        return out.operationFailed(error);

    QJsonArray results;
    QList<QStringList> rows;
    int failedCount = 0;
    for (int i = 0; i < ips.size(); ++i) {
        const bool ok = outcome == CliSession::Outcome::Finished && i < succeeded.size() && succeeded.at(i);
        failedCount += ok ? 0 : 1;
        QJsonObject result{{QStringLiteral("ip"), ips.at(i)}, {QStringLiteral("succeeded"), ok}};
        const QString reason = ok ? QString() : reasons.value(i);
        if (!reason.isEmpty())
            result.insert(QStringLiteral("reason"), reason);
        results.append(result);
        rows.append({ips.at(i), ok ? tr("sent") : tr("failed"), reason});
        session.recordChange(addresses.at(i),
                             operatorChange(QStringLiteral("config"),
                                            {{QStringLiteral("configuration"), QString(), QFileInfo(path).fileName()}}, ok,
                                            reason.isEmpty() ? ErrorText::operationFailed(error, QString()) : reason));
    }
    out.document({{QStringLiteral("file"), path}, {QStringLiteral("results"), results}});
    out.text(ClockPrinter::formatTable(rows));
    if (outcome == CliSession::Outcome::Failed)
        return out.operationFailed(error);
    if (failedCount > 0)
        return out.failed(tr("The configuration did not reach %1 of %2 clocks.").arg(failedCount).arg(ips.size()));
    out.text(tr("Configuration was sent successfully."));
    return ExitSuccess;
}

int name(CliSession &session)
{
    CliSession::Target target;
    if (const int failed = loadTarget(session, target, CliSession::Access::Write))
        return failed;
    const QString ip = target.ip;
    const QString newName = session.invocation().arguments.at(1);
    // The name goes out unencoded: "&" or "=" would rewrite the request.
    if (!ParameterText::isSafe(newName))
        return session.output().failed(ParameterText::nameRefusalText());
    SimpleSender *sender = session.exchanges().setName(target.target, newName);
    const SimpleResult result = runSimple(session, sender, tr("Sending name"));
    session.recordChange(ip, operatorChange(QStringLiteral("name"),
                                            {{QStringLiteral("Name"), target.listed ? target.listed->name : QString(), newName}},
                                            result.succeeded, failureText(result)));
    // The list, the report and the board show the clock's new name at once.
    if (result.succeeded && target.listed) {
        target.listed->name = newName;
        session.registry().announceClockChanged(target.listed);
    }
    const int status =
        reportSimple(session, result, ip, tr("Name changed successfully."), {{QStringLiteral("name"), newName}});
    return saveRecord(session, target, status);
}

int network(CliSession &session)
{
    CliSession::Target target;
    if (const int failed = loadTarget(session, target, CliSession::Access::Write))
        return failed;
    const CliInvocation &in = session.invocation();
    const QString ip = target.ip;

    ClockNetworkSettings settings;
    if (target.listed)
        settings = target.listed->network;
    else
        settings.ip = ip;
    settings.ip = in.option(QStringLiteral("ip"), settings.ip);
    settings.subnet = in.option(QStringLiteral("subnet"), settings.subnet);
    settings.gateway = in.option(QStringLiteral("gateway"), settings.gateway);
    settings.dnsPrimary = in.option(QStringLiteral("dns1"), settings.dnsPrimary);
    settings.dnsSecondary = in.option(QStringLiteral("dns2"), settings.dnsSecondary);
    if (in.hasOption(QStringLiteral("dhcp")))
        settings.DHCP = in.onOption(QStringLiteral("dhcp"));
    if (in.hasOption(QStringLiteral("dhcp-opt42")))
        settings.dhcpOpt42 = in.onOption(QStringLiteral("dhcp-opt42"));
    if (in.hasOption(QStringLiteral("dhcp-private")))
        settings.dhcpOptPrivate = in.onOption(QStringLiteral("dhcp-private"));
    if (in.hasOption(QStringLiteral("remote-access")))
        settings.disableRemoteAccess = !in.onOption(QStringLiteral("remote-access"));
    settings.dhcpPrivateOptNumber = in.intOption(QStringLiteral("dhcp-private-number"), settings.dhcpPrivateOptNumber);
    settings.webPanelTimeout = in.intOption(QStringLiteral("web-timeout"), settings.webPanelTimeout);

    // Addressed to where the clock is now, not to the address being set.
    SetNetworkSender *sender = session.exchanges().setNetwork(target.target, settings);
    const SimpleResult result = runSimple(session, sender, tr("Sending network settings"));
    {
        // Only what differs from the record; every field when there is none.
        const QJsonObject after = networkJson(settings);
        const QJsonObject before = target.listed ? networkJson(target.listed->network) : QJsonObject();
        QVector<OperatorChange::Field> fields;
        for (auto it = after.constBegin(); it != after.constEnd(); ++it) {
            const QString now = it.value().toVariant().toString();
            const QString was = before.value(it.key()).toVariant().toString();
            if (!target.listed || now != was)
                fields.append({it.key(), was, now});
        }
        session.recordChange(ip, operatorChange(QStringLiteral("network"), fields, result.succeeded, failureText(result)));
    }
    // Started from the record, so only the fields sent differ from it.
    if (result.succeeded && target.listed) {
        target.listed->network = settings;
        session.registry().announceClockChanged(target.listed);
    }
    const int status = reportSimple(session, result, ip, tr("Network settings changed successfully."),
                                    {{QStringLiteral("settings"), networkJson(settings)}});
    return saveRecord(session, target, status);
}

int password(CliSession &session)
{
    if (!PasswordCommand::isSingle(session.invocation()))
        return PasswordCommand::run(session);
    CliSession::Target target;
    if (const int failed = loadTarget(session, target, CliSession::Access::Write))
        return failed;
    const CliInvocation &in = session.invocation();
    const QString ip = target.ip;
    const QString oldPassword = in.option(QStringLiteral("old"));
    const QString newPassword = in.option(QStringLiteral("new"));
    if (!ParameterText::isSafePassword(oldPassword) || !ParameterText::isSafePassword(newPassword))
        return session.output().failed(ParameterText::passwordRefusalText());
    SimpleSender *sender = session.exchanges().setPassword(target.target, oldPassword, newPassword);
    const SimpleResult result = runSimple(session, sender, tr("Sending password"));
    // That it changed, never to what.
    session.recordChange(ip, operatorChange(QStringLiteral("password"), {}, result.succeeded, failureText(result)));
    // Later requests authenticate with the new password.
    if (result.succeeded && target.listed) {
        target.listed->password = newPassword;
        session.registry().announceClockChanged(target.listed);
    }
    const int status = reportSimple(session, result, ip, tr("Password changed successfully."), {});
    return saveRecord(session, target, status);
}

int credentials(CliSession &session)
{
    if (const int loaded = session.loadState(CliSession::Access::Write))
        return loaded;
    const CliInvocation &in = session.invocation();
    const QString handle = in.arguments.at(0);
    CliOutput &out = session.output();
    // Stored credentials belong to a listed clock; add lists one first.
    QList<int> named;
    if (const int found = session.findListed(handle, named))
        return found;
    const int index = named.constFirst();
    DevClock *clock = session.registry().clockAt(index);
    clock->user = in.option(QStringLiteral("user"));
    clock->password = in.option(QStringLiteral("password"));
    session.registry().announceClockChanged(clock);

    QJsonObject json{{QStringLiteral("ip"), clock->network.ip}, {QStringLiteral("index"), index},
                     {QStringLiteral("credentialsSet"), true}};
    SimpleResult check;
    if (in.hasOption(QStringLiteral("check"))) {
        // One poll, as the window's poller would make next: what it reads is kept.
        check = runSimple(session, session.exchanges().getStatus({SenderTarget::fromClock(*clock)}),
                          tr("Reading status"));
        if (check.succeeded)
            clock->parseStatus(QString::fromUtf8(check.reply), 0);
        json.insert(QStringLiteral("checked"), check.succeeded);
        if (!check.succeeded)
            json.insert(QStringLiteral("error"), ErrorText::operationFailed(check.error, check.reason));
    }
    // Kept whatever the check found: the window's Set keeps them too.
    if (!session.saveState())
        return ExitFailed;
    out.document(json);
    out.text(tr("Authentication data set for %1 (%2).").arg(clock->name, clock->network.ip));
    if (!in.hasOption(QStringLiteral("check")))
        return ExitSuccess;
    if (!check.succeeded)
        return out.operationFailed(check.error, check.reason);
    out.text(tr("The clock answered with them: %1").arg(ClockPrinter::statusLine(*clock)));
    return ExitSuccess;
}

} // namespace ClockCommands
