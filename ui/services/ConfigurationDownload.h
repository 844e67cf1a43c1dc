#pragma once

class DataSender;
class DevClock;
class PageServices;

// The end of a configuration download, shared by the two places that start
// one, the device list and the editor: the configuration goes into the listed
// clock it came from, the clock's row is re-rendered (through the session, as
// after a poll) and a toast says so.
namespace ConfigurationDownload {

// The clock that now holds the configuration; null when the download failed
// (the failure has been shown) or the clock has left the list.
DevClock *store(const PageServices &services, DataSender *sender);

} // namespace ConfigurationDownload
