#pragma once

#include "model/ClockConfig.h"
#include "model/QuietHours.h"
#include "model/QuietPeriod.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// A named group of clocks that share one configuration. Its members are
// indexes into ClockRegistry::clocks(), kept in step by the registry.
class DevGroup : public QObject
{
    Q_OBJECT

public:
    explicit DevGroup(QObject *parent = nullptr);
    ~DevGroup() override;

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    // Ascending while the registry maintains them; a state file may list
    // them in any order.
    const QList<int> &clockIndexes() const { return m_clockIndexes; }
    void setClockIndexes(const QList<int> &indexes);
    // Changes with every setClockIndexes, and differs from every other
    // group's: the registry's index of members is valid while it holds.
    quint64 membersRevision() const { return m_membersRevision; }

    // None until a configuration is set.
    ClockConfig *config() const { return m_config.get(); }
    bool hasConfig() const { return m_config != nullptr; }
    // Keeps a copy of the given configuration, marked loaded.
    bool setConfig(const ClockConfig &config);

    // No mail about any clock of the group while it lasts.
    QuietPeriod quietPeriod;
    // Nor in these weekly windows.
    QuietHours quietHours;

    Q_DISABLE_COPY(DevGroup)

private:
    QString m_name = QStringLiteral("Group");
    QList<int> m_clockIndexes;
    quint64 m_membersRevision;
    std::unique_ptr<ClockConfig> m_config;
};
