#pragma once

#include "operations/DataSender.h"
#include "operations/SenderTarget.h"
#include "model/ClockConfig.h"

#include <QList>
#include <QString>
#include <QVector>

#include <memory>

class Worker;

// Writes one configuration to many clocks in three stages (time, display,
// alarms). A clock that fails a stage is dropped from the later ones; the
// upload fails only when every clock has failed. The clocks of one stage
// are written in parallel. A configuration whose text would break the request body fails
// at once (IncorrectData) and nothing is sent.
class SetConfigurationSender : public DataSender
{
    Q_OBJECT

public:
    // Keeps its own copy of the configuration.
    SetConfigurationSender(const ClockConfig &config, const QList<SenderTarget> &targets, QObject *parent = nullptr);
    ~SetConfigurationSender() override;

    QVector<bool> succeeded() const { return m_succeeded; }
    // Why each target that failed did, in words (see WorkerWWW); the kinds
    // are not kept.
    QVector<QString> reasons() const { return m_reasons; }
    QList<SenderTarget> targets() const { return m_targets; }
    // The field that made the upload fail before sending; empty otherwise.
    QString refusedField() const { return m_refusedField; }
    // Sends only these parts, each whole, in their usual order; all three
    // unless set. Set before the start.
    void setParts(const QVector<ConfigPart> &parts) { m_parts = parts; }

protected:
    void run() override;

private slots:
    void onWorkerFinished(Worker *worker, int index);

private:
    void sendStage();
    // The next stage after m_stage that is to be sent; StageCount when none.
    int nextStage() const;

    int m_doneCount = 0;
    int m_pendingCount = 0;
    QList<SenderTarget> m_targets;
    QVector<bool> m_succeeded;
    QVector<QString> m_reasons;
    std::unique_ptr<ClockConfig> m_config;
    int m_stage = -1;
    QString m_refusedField;
    QVector<ConfigPart> m_parts{ConfigPart::Time, ConfigPart::Display, ConfigPart::Alarms};
};
