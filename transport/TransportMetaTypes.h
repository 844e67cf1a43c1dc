#pragma once

// Registers the transport's types that travel in queued signals (Error,
// NetworkCardData, DeviceInfo, DatagramPacket and its list, Worker*), and the
// toolkit's own network-session pointer that sockets look up. Safe to call
// more than once, from any thread.
void registerTransportMetaTypes();
