#include "PageConflict.h"

#include "ui_PageConflict.h"

PageConflict::PageConflict(const PageServices &services, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::PageConflict)
    , m_services(services)
{
    ui->setupUi(this);
}

PageConflict::~PageConflict()
{
    delete ui;
}
