#pragma once

#include "operations/change/ChangePlan.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QVector>

// Everything a change run needs to go on after it stopped or was killed: what
// it changes, how, and how far each clock got. Credentials are not kept; the
// clocks are found again on the device list by address.
struct ChangeRunState
{
    // Unset sizes take their defaults from the clocks to change.
    static constexpr int defaultCanaryPercent = 1;
    static constexpr int defaultWavePercent = 10;
    static constexpr int defaultMaxFailedPercent = 5;
    // A run of more clocks than a site can have is no file of ours.
    static constexpr int maxClocks = 200000;

    QString id;
    QDateTime created;
    ChangeRecipe recipe;
    int canary = 0;            // clocks in the first wave; 0: 1 %, at least 1
    int wave = 0;              // clocks in each later wave; 0: 10 %, at least 1
    int maxFailed = -1;        // failures allowed before the next wave; -1: by percent
    int maxFailedPercent = defaultMaxFailedPercent;
    bool stopped = false;      // the stop rule ended it
    QVector<ClockChange> clocks;

    QJsonObject toJson() const;
    // False with the reason for anything that is not a run's file.
    static bool fromJson(const QJsonObject &object, ChangeRunState &state, QString *why);

    // "20261209-041502-7f3a": sortable, and safe as a file name.
    static QString newId();
    static bool isValidId(const QString &id);
};
