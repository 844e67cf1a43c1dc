#include "cli/MailCommands.h"

#include "cli/CliSession.h"
#include "notify/TestMailFlow.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace MailCommands {

int testMail(CliSession &session)
{
    if (const int loaded = session.loadState())
        return loaded;

    // The window asks whether to save its page first; here the stored
    // settings are the only ones there are.
    TestMailFlow flow(session.alerts());
    flow.setAsker([] { return TestMailFlow::Choice::SendOnly; });
    QEventLoop loop;
    bool done = false;
    bool success = false;
    QString message;
    QObject::connect(&flow, &TestMailFlow::finished, &loop, [&](bool ok, const QString &text) {
        done = true;
        success = ok;
        message = text;
        loop.quit();
    });
    session.progress().start(QCoreApplication::translate("MailCommands", "Sending test e-mail"));
    flow.request();
    if (!done)
        loop.exec();
    session.progress().finish();

    CliOutput &out = session.output();
    if (!success)
        return out.failed(message);
    out.document({{QStringLiteral("sent"), true}, {QStringLiteral("message"), message}});
    out.text(message);
    return ExitSuccess;
}

} // namespace MailCommands
