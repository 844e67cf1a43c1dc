#include "PageReport.h"

#include "AppSettings.h"
#include "DialogHost.h"
#include "DialogQuestion.h"
#include "MonitoringSession.h"
#include "ThemeManager.h"
#include "ui_PageReport.h"

#include <QFileInfo>

PageReport::PageReport(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageReport)
    , m_services(services)
{
    ui->setupUi(this);
    ui->btnReportChangeFile->setIcon(ThemeManager::themedIcon(QStringLiteral(":/icons/resources/icons/folder.png")));
}

PageReport::~PageReport()
{
    delete ui;
}

void PageReport::LoadReportWidgets()
{
    if (m_services.session)
        m_services.session->setReportEnabled(false);
    for (QWidget *control : {static_cast<QWidget *>(ui->btnReportChangeFile),
                             static_cast<QWidget *>(ui->cbxReportFileType),
                             static_cast<QWidget *>(ui->cbxReportInterval),
                             static_cast<QWidget *>(ui->cbxReportValueType)})
        control->setEnabled(false);
    const ReportSettings &settings = AppSettings::reportSettings();
    ui->cbxReportEnable->setChecked(settings.enabled);
    ui->lblReportPath->setText(settings.filepath);
    ui->cbxReportFileType->setCurrentIndex(settings.fileType);
    ui->cbxReportInterval->setCurrentIndex(settings.interval);
    ui->cbxReportValueType->setCurrentIndex(settings.valueType);
}

QString PageReport::folderOf(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.left(slash);
}

bool PageReport::SaveReportSettings()
{
    if (ui->cbxReportEnable->isChecked()) {
        const QString folder = folderOf(ui->lblReportPath->text());
        if (folder.isEmpty()) {
            m_services.dialogs->message(m_services.window, tr("Filepath can't be empty."), QuestionIcon::Warning);
            return false;
        }
        if (!QFileInfo(folder).isDir()) {
            m_services.dialogs->message(m_services.window, tr("Invalid report filepath."), QuestionIcon::Warning);
            return false;
        }
    }
    ReportSettings settings = AppSettings::reportSettings();
    settings.filepath = ui->lblReportPath->text();
    settings.fileType = ui->cbxReportFileType->currentIndex();
    settings.interval = ui->cbxReportInterval->currentIndex();
    settings.valueType = ui->cbxReportValueType->currentIndex();
    AppSettings::saveReportSettings(ui->cbxReportEnable->isChecked(), settings);
    return true;
}

void PageReport::on_btnReportSave_clicked()
{
    if (SaveReportSettings())
        m_services.dialogs->message(m_services.window, tr("Report configuration saved"), QuestionIcon::Info);
}

void PageReport::on_btnReportChangeFile_clicked()
{
    const QString stored = AppSettings::reportSettings().filepath;
    const QString path = m_services.dialogs->saveFileName(
        {m_services.window, tr("Save"), stored.isEmpty() ? lastPath() : stored, tr("Microsoft Excel files (*.xlsx)")});
    // Shown only: the settings change when they are saved.
    if (!path.isEmpty())
        ui->lblReportPath->setText(path);
}

void PageReport::on_cbxReportEnable_stateChanged(int arg1)
{
    const bool on = arg1 != 0;
    if (m_services.session)
        m_services.session->setReportEnabled(on);
    ui->btnReportChangeFile->setEnabled(on);
    ui->cbxReportFileType->setEnabled(on);
    ui->cbxReportInterval->setEnabled(on);
    ui->cbxReportValueType->setEnabled(on);
}

void PageReport::on_btnHideToTray2_clicked()
{
    const QuestionResult answer = m_services.dialogs->ask(m_services.window,
                                               tr("Save report configuration before minimize application?"),
                                               QuestionIcon::Question, tr("Save and minimize"), tr("Minimize only"),
                                               tr("Cancel"));
    if (answer == QuestionResult::Neutral)
        return;
    // Hidden after a save only when the settings were stored.
    if (answer == QuestionResult::Positive && !SaveReportSettings())
        return;
    m_services.SetHiddenToTray(false);
}
