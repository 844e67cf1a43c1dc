// Prints how the window copes with "Change clocks..." on a long list, as a
// user runs it: the device list page, every clock selected, the dialog with
// Server1 set, the preview (every configuration read), then Apply (waves of
// 10 %, each clock sent its time part and read back). Figures: how long the
// preview and the run take, and the longest the event loop went without a
// turn in each (a timer asks for one every 10 ms; the goal is that the
// window never stalls over 50 ms). Run by bench/ui/change_window.sh in the
// "pc" namespace against zentick-clocksim (needs root):
//   bench_change_window CLOCKS.json [PARALLEL] [passwords]   (the window's 16 unless given)
// With "passwords" it runs "Change passwords..." instead: one new password
// for every clock, in the same waves, each clock verified by a status poll.
#include "model/ClockRegistry.h"
#include "model/DevClock.h"
#include "notify/NotificationSettings.h"
#include "operations/Communication.h"
#include "session/MonitoringSession.h"
#include "tests/ui/StandaloneServices.h"
#include "ui/dialogs/ScriptedDialogHost.h"
#include "ui/pages/PageDeviceList.h"
#include "ui/widgets/ThemeWidgets.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace {

constexpr int WindowWidth = 1280;
constexpr int WindowHeight = 800;
constexpr int TickMs = 10;
constexpr int StallGoalMs = 50;
constexpr int RunLimitMs = 30 * 60 * 1000;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// The worst lateness of a timer due every TickMs.
class StallProbe
{
public:
    StallProbe()
    {
        m_timer.setInterval(TickMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double stop()
    {
        tick();
        m_timer.stop();
        return m_longest;
    }

private:
    void tick()
    {
        const double now = m_clock.nsecsElapsed() / 1e6;
        m_longest = qMax(m_longest, now - m_last - TickMs);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    double m_longest = 0;
};

void printPhase(const char *what, qint64 ms, double stall)
{
    out() << what << ": " << ms << " ms, longest stall " << QString::number(stall, 'f', 1) << " ms (goal <= "
          << StallGoalMs << ")\n";
    out().flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    QFile file(app.arguments().value(1));
    if (!file.open(QIODevice::ReadOnly)) {
        out() << "usage: bench_change_window CLOCKS.json\n";
        return 2;
    }
    for (const QJsonValue entry : QJsonDocument::fromJson(file.readAll()).object().value("clocks").toArray()) {
        auto *clock = new DevClock;
        clock->name = entry.toObject().value("name").toString();
        clock->network.ip = entry.toObject().value("ip").toString();
        clock->user = entry.toObject().value("user").toString();
        clock->password = entry.toObject().value("password").toString();
        ClockRegistry::instance()->addClock(clock);
    }

    ScriptedDialogHost dialogs;
    Communication exchanges;
    bool numbered = false;
    const int parallel = app.arguments().value(2).toInt(&numbered);
    if (numbered)
        exchanges.workers().setBound(parallel);
    const bool passwords = app.arguments().contains(QStringLiteral("passwords"));
    NotificationSettings alerts;
    MonitoringSession session{*ClockRegistry::instance(), exchanges, alerts};
    StandaloneServices alone(session, dialogs);
    QWidget window;
    auto *page = new PageDeviceList(alone.services(), &window);
    (new QVBoxLayout(&window))->addWidget(page);
    window.resize(WindowWidth, WindowHeight);
    ThemeWidgets::applyTheme(&window);
    window.show();
    app.processEvents();

    StallProbe probe;
    if (passwords) {
        dialogs.answerDialog([&](QDialog &dialog) {
            dialog.resize(WindowWidth * 2 / 3, WindowHeight * 2 / 3);
            dialog.show();
            for (const char *input : {"ledPasswordNew", "ledPasswordRepeat"})
                dialog.findChild<QLineEdit *>(QLatin1String(input))->setText(QStringLiteral("Bench-2"));
            auto *exporting = dialog.findChild<QAbstractButton *>(QStringLiteral("btnPasswordExport"));
            QElapsedTimer phase;
            phase.start();
            probe.start();
            dialog.findChild<QAbstractButton *>(QStringLiteral("btnPasswordSend"))->click();
            (void)QTest::qWaitFor([exporting] { return exporting->isEnabled(); }, RunLimitMs);
            printPhase("passwords (waves, each clock sent and polled with its new password)", phase.elapsed(),
                       probe.stop());
            out() << dialog.findChild<QLabel *>(QStringLiteral("lblPasswordStatus"))->text() << "\n";
            return int(QDialog::Accepted);
        });
        dialogs.answerQuestion(QuestionResult::Positive);
        out() << "Change passwords... on " << ClockRegistry::instance()->clockCount() << " clocks\n";
        page->table()->selectAll();
        QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("btnChangePasswords")), Qt::LeftButton);
        return 0;
    }
    dialogs.answerDialog([&](QDialog &dialog) {
        dialog.resize(WindowWidth * 2 / 3, WindowHeight * 2 / 3);
        dialog.show();
        auto *field = dialog.findChild<QComboBox *>(QStringLiteral("cbxChangeField"));
        field->setCurrentIndex(field->findData(QStringLiteral("Server1")));
        dialog.findChild<QLineEdit *>(QStringLiteral("ledChangeValue"))->setText(QStringLiteral("ntp.bench.example"));
        dialog.findChild<QAbstractButton *>(QStringLiteral("btnChangeAdd"))->click();
        auto *apply = dialog.findChild<QAbstractButton *>(QStringLiteral("btnChangeApply"));
        auto *exporting = dialog.findChild<QAbstractButton *>(QStringLiteral("btnChangeExport"));
        QElapsedTimer phase;
        phase.start();
        probe.start();
        dialog.findChild<QAbstractButton *>(QStringLiteral("btnChangePreview"))->click();
        (void)QTest::qWaitFor([apply] { return apply->isEnabled(); }, RunLimitMs);
        printPhase("preview (every configuration read)", phase.elapsed(), probe.stop());
        phase.start();
        probe.start();
        apply->click();
        (void)QTest::qWaitFor([exporting] { return exporting->isEnabled(); }, RunLimitMs);
        printPhase("apply (waves, each clock sent and read back)", phase.elapsed(), probe.stop());
        out() << dialog.findChild<QLabel *>(QStringLiteral("lblChangeStatus"))->text() << "\n";
        return int(QDialog::Accepted);
    });
    out() << "Change clocks... on " << ClockRegistry::instance()->clockCount() << " clocks\n";
    page->table()->selectAll();
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("btnChangeClocks")), Qt::LeftButton);
    return 0;
}
