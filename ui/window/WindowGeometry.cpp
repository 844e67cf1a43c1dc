#include "ui/window/WindowGeometry.h"

#include "platform/SettingsStore.h"

#include <QMainWindow>
#include <QSplitter>

namespace WindowGeometry {

namespace {

const QString group = QStringLiteral("WindowGeometry");
const QString keyGeometry = QStringLiteral("geometry");
const QString keyState = QStringLiteral("windowState");
const char *const splitterNames[] = {"splitterNotif", "splitterGroups"};

// "splitterNotif" is stored as "splitterNotifGeometry" and "splitterNotifState".
QString splitterKey(const char *name, const char *suffix)
{
    return QLatin1String(name) + QLatin1String(suffix);
}

} // namespace

void save(const QMainWindow &window)
{
    const auto store = SettingsStore::open();
    store->beginGroup(group);
    store->setValue(keyGeometry, window.saveGeometry());
    store->setValue(keyState, window.saveState());
    for (const char *name : splitterNames) {
        if (const auto *splitter = window.findChild<QSplitter *>(QLatin1String(name))) {
            store->setValue(splitterKey(name, "Geometry"), splitter->saveGeometry());
            store->setValue(splitterKey(name, "State"), splitter->saveState());
        }
    }
    store->endGroup();
}

void restore(QMainWindow &window)
{
    const auto store = SettingsStore::open();
    store->beginGroup(group);
    if (store->contains(keyGeometry)) {
        window.restoreGeometry(store->value(keyGeometry).toByteArray());
        window.restoreState(store->value(keyState).toByteArray());
    }
    for (const char *name : splitterNames) {
        auto *splitter = window.findChild<QSplitter *>(QLatin1String(name));
        if (!splitter)
            continue;
        const QString geometry = splitterKey(name, "Geometry");
        const QString state = splitterKey(name, "State");
        if (store->contains(geometry))
            splitter->restoreGeometry(store->value(geometry).toByteArray());
        if (store->contains(state))
            splitter->restoreState(store->value(state).toByteArray());
    }
    store->endGroup();
}

} // namespace WindowGeometry
