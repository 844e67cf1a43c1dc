#include "ui/editor/TabAlarms.h"

#include "ui_TabAlarms.h"

TabAlarms::TabAlarms(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TabAlarms)
{
    ui->setupUi(this);
    ui->wdtAlarmLoading->hide();
    connect(ui->twdAlarmList, &AlarmTable::loadingStarted, this, [this] { showLoading(true); });
    connect(ui->twdAlarmList, &AlarmTable::rowLoaded, ui->pbrAlarmLoad, &QProgressBar::setValue);
    connect(ui->twdAlarmList, &AlarmTable::loadingFinished, this, [this] { showLoading(false); });
    connect(ui->btnAlarmDisableAll, &QAbstractButton::clicked, ui->twdAlarmList, &AlarmTable::disableAll);
    connect(ui->btnImportAlarms, &QAbstractButton::clicked, this, &TabAlarms::importRequested);
    connect(ui->btnExportAlarms, &QAbstractButton::clicked, this, &TabAlarms::exportRequested);
}

TabAlarms::~TabAlarms()
{
    delete ui;
}

void TabAlarms::LoadAlarms(const AlarmTable::Alarms &alarms)
{
    ui->twdAlarmList->load(alarms);
}

bool TabAlarms::isLoading() const
{
    return ui->twdAlarmList->isLoading();
}

AlarmTable::Alarms TabAlarms::alarms() const
{
    return ui->twdAlarmList->alarms();
}

void TabAlarms::showLoading(bool loading)
{
    ui->pbrAlarmLoad->setValue(0);
    ui->wdtAlarmLoading->setVisible(loading);
    ui->twdAlarmList->setVisible(!loading);
    emit loadingChanged(loading);
}
