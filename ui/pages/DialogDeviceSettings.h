#pragma once

#include "ui/dialogs/DialogHost.h"
#include "ui/frame/FramelessDialog.h"
#include "transport/NetworkCardChoices.h"

#include <QPointer>

#include <memory>

class Communication;
class DataSender;
class DevClock;
class MonitoringSession;
class OperationRunner;
struct ClockNetworkSettings;

namespace Ui {
class DialogDeviceSettings;
}

// One clock's settings: the credentials and the local interface the program
// uses for it (record only), and its name, network settings and password
// (sent to the clock, each behind a progress dialog of its own, whose result
// it handles beside the command). Ends accepted when a command reached the
// clock, so the device list re-renders its row.
class DialogDeviceSettings : public FramelessDialog
{
    Q_OBJECT

public:
    DialogDeviceSettings(DialogHost &dialogs, Communication &communication, QWidget *parent = nullptr);
    ~DialogDeviceSettings() override;

    // The clock is the registry's; the dialog edits it in place.
    void setClock(DevClock *clock, int index);
    // Builds the interface list from the given cards instead of the
    // interfaces present (tests, renders).
    void setNetworkCards(const QList<NetworkCardData> &cards);
    bool isChanged() const { return m_changed; }
    // What the dialog sends to the clock goes into this session's history.
    void setSession(MonitoringSession *session) { m_session = session; }

    // Every way of closing ends here: accepted after a successful command.
    void reject() override;

public slots:
    void onProgressUpdate(double value);
    void onNameSendFinished(DataSender *sender);
    void onNetworkSendFinished(DataSender *sender);
    void onPasswordSendFinished(DataSender *sender);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Recorded only: the credentials and the interface the program uses.
    void setAuthentication();
    void setNetworkInterface();
    // Sent to the clock, each behind its progress dialog.
    void sendName();
    void sendNetwork();
    void sendPassword();
    void refreshInterfaces();
    void showNetworkMode();
    // Sizes the dialog to show every group without scrolling and no more,
    // as far as the screen allows (on a smaller one the scroll area keeps
    // the rest in reach), and places it over its window.
    void fitToContents();
    // The form's network settings; false, with the field's label, when an
    // address is not complete.
    bool formNetwork(ClockNetworkSettings &settings, QString &badField) const;
    // False when the command failed; the failure has been shown.
    bool commandSucceeded(DataSender *sender);
    void message(const QString &text, QuestionIcon icon);

    Ui::DialogDeviceSettings *ui;
    DialogHost &m_dialogs;
    Communication &m_communication;
    std::unique_ptr<OperationRunner> m_runner;
    QPointer<DevClock> m_clock;
    int m_clockIndex = -1;
    bool m_changed = false;
    MonitoringSession *m_session = nullptr;
    NetworkCardChoices m_choices;
    // Set for tests: the interface list is built from these.
    std::unique_ptr<QList<NetworkCardData>> m_fixedCards;
};
